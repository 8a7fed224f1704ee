#pragma once

#include <functional>

#include "platform/Platform.h"

namespace courtlog::ui {

// Hands every call to another platform, but first brings the window up to date before anything
// modal opens: a question asked in the middle of a handler then shows over the screen the
// handler has made so far, never over the one before it.
class ShowingPlatform : public Platform {
public:
    // The video plays in `player` when given, else in the inner platform's.
    ShowingPlatform(Platform& inner, std::function<void()> showWindow, Video* player = nullptr)
        : inner_(inner), player_(player ? player : &inner), showWindow_(std::move(showWindow)) {}

    MsgAnswer messageBox(const Text& text, MsgButtons buttons, const Text& title = {}) override;
    std::string inputBox(const Text& prompt, const Text& title,
                         const std::string& defaultText) override;
    ResidualAnswer askResidualPoints(int residualPoints, bool offerInsert) override;
    FileChoice saveFileDialog(const std::string& defaultName, const std::vector<Text>& filters,
                              std::size_t selected) override;
    FileChoice openFileDialog() override;
    FileChoice openVideoDialog(const std::string& folder) override;
    std::string openVideo(const std::string& path) override { return player_->openVideo(path); }
    bool videoOpen() override { return player_->videoOpen(); }
    std::int64_t videoPosition() override { return player_->videoPosition(); }
    void seekVideo(std::int64_t ms) override { player_->seekVideo(ms); }
    void playVideo(bool play) override { player_->playVideo(play); }
    bool videoPlaying() override { return player_->videoPlaying(); }
    void setVideoRate(double rate) override { player_->setVideoRate(rate); }
    void stepVideoFrame(int direction) override { player_->stepVideoFrame(direction); }
    void showOverVideo(const std::vector<std::string>& lines) override {
        player_->showOverVideo(lines);
    }
    std::optional<std::string> getSetting(const std::string& app, const std::string& section,
                                          const std::string& key) override {
        return inner_.getSetting(app, section, key);
    }
    void saveSetting(const std::string& app, const std::string& section, const std::string& key,
                     const std::string& value) override {
        inner_.saveSetting(app, section, key, value);
    }
    void showAbout() override;
    std::string shown(const Text& text) override { return inner_.shown(text); }
    Registry& registry() override { return inner_.registry(); }
    bool fileExists(const std::string& path) override { return inner_.fileExists(path); }
    bool startProgram(const std::string& path) override { return inner_.startProgram(path); }
    std::int64_t now() override { return inner_.now(); }
    std::string recoveryFolder() override { return inner_.recoveryFolder(); }
    bool lockFile(const std::string& path) override { return inner_.lockFile(path); }
    void unlockFile(const std::string& path) override { inner_.unlockFile(path); }

protected:
    void exitProgram() override { inner_.endProgram(); }

private:
    Platform& inner_;
    Video* player_;
    std::function<void()> showWindow_;
};

}  // namespace courtlog::ui
