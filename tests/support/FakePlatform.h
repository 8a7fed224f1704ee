#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>

#include "platform/MemoryRegistry.h"
#include "platform/Platform.h"

namespace courtlog::testing {

// Thrown where the real program would end, so a test can see that it ended.
struct ProgramEnded : std::runtime_error {
    ProgramEnded() : std::runtime_error("program ended") {}
};

// A platform that records what the program showed and answers what the test scripted.
// Unscripted questions get the answer a user pressing Enter would give; unscripted file
// dialogs are cancelled.
class FakePlatform : public Platform {
public:
    struct Residual {
        int residualPoints;
        bool offerInsert;
    };

    // The messages, the prompts of the input boxes, the default names the save dialogs offered
    // and the filter each started on, and the programs started.
    std::vector<std::string> messages, inputPrompts, saveDialogNames, saveDialogFilters, started;
    std::vector<MsgButtons> buttons;  // of each message
    std::vector<Residual> residualQuestions;
    // The clock, moved by the test: 2024-07-14 13:00:00 UTC.
    std::int64_t clock = 1'720'962'000'000;
    int aboutBoxes = 0;

    std::deque<MsgAnswer> messageAnswers;
    std::deque<std::string> inputAnswers;
    std::deque<ResidualAnswer> residualAnswers;
    std::deque<FileChoice> saveChoices, openChoices;

    // "app/section/key" -> value
    std::map<std::string, std::string> settings;
    MemoryRegistry memoryRegistry;
    std::set<std::string> existingFiles;
    bool startSucceeds = true;
    // Called as each modal box opens, to note what the screen shows behind it.
    std::function<void()> opening = [] {};

    // The words of another language, when a test gives them; Italian otherwise.
    Text::Translate translate;
    std::string shown(const Text& text) override {
        return translate ? text.render(translate) : text.italian();
    }

    MsgAnswer messageBox(const Text& text, MsgButtons kind, const Text&) override {
        messages.push_back(shown(text));
        buttons.push_back(kind);
        return next(messageAnswers, kind == MsgButtons::YesNo                 ? MsgAnswer::Yes
                                    : kind == MsgButtons::ReplaceSaveAsCancel ? MsgAnswer::SaveAs
                                                                              : MsgAnswer::Ok);
    }

    std::string inputBox(const Text& prompt, const Text& title,
                         const std::string& defaultText) override {
        inputPrompts.push_back(shown(prompt) + "|" + shown(title) + "|" + defaultText);
        return next(inputAnswers, defaultText);
    }

    ResidualAnswer askResidualPoints(int residualPoints, bool offerInsert) override {
        residualQuestions.push_back({residualPoints, offerInsert});
        return next(residualAnswers, ResidualAnswer::Overwrite);
    }

    FileChoice saveFileDialog(const std::string& defaultName, const std::vector<Text>& filters,
                              std::size_t selected) override {
        saveDialogNames.push_back(defaultName);
        saveDialogFilters.push_back(selected < filters.size() ? shown(filters[selected]) : "");
        return next(saveChoices);
    }

    FileChoice openFileDialog() override { return next(openChoices); }

    std::optional<std::string> getSetting(const std::string& app, const std::string& section,
                                          const std::string& key) override {
        const auto it = settings.find(app + "/" + section + "/" + key);
        return it == settings.end() ? std::nullopt : std::optional(it->second);
    }

    void saveSetting(const std::string& app, const std::string& section, const std::string& key,
                     const std::string& value) override {
        settings[app + "/" + section + "/" + key] = value;
    }

    // The recovery folder (none unless a test gives one); the locks this program holds, and
    // those held on the machine, which programs that run together share. A program's locks
    // end with it.
    std::string recovery;
    std::set<std::string> locks;
    std::shared_ptr<std::set<std::string>> machineLocks = std::make_shared<std::set<std::string>>();
    std::string recoveryFolder() override { return recovery; }
    bool lockFile(const std::string& path) override {
        return machineLocks->insert(path).second && locks.insert(path).second;
    }
    void unlockFile(const std::string& path) override {
        machineLocks->erase(path);
        locks.erase(path);
    }
    ~FakePlatform() override {
        for (const std::string& lock : locks) {
            machineLocks->erase(lock);
        }
    }

    // The video: whether a file opens (the error otherwise), where it stands, what was asked of it.
    struct FakeVideo {
        std::string refusal, file;
        std::int64_t position = 0;
        bool playing = false;
        double rate = 1.0;
        std::vector<std::int64_t> seeks;
        std::vector<std::string> over;
        std::deque<FileChoice> choices;
    } video;
    std::string openVideo(const std::string& path) override {
        if (video.refusal.empty()) {
            video.file = path;
        }
        return video.refusal;
    }
    bool videoOpen() override { return !video.file.empty(); }
    std::int64_t videoPosition() override { return video.position; }
    void seekVideo(std::int64_t ms) override {
        video.seeks.push_back(ms);
        video.position = ms;
    }
    void playVideo(bool play) override { video.playing = play; }
    bool videoPlaying() override { return video.playing; }
    void setVideoRate(double rate) override { video.rate = rate; }
    void stepVideoFrame(int direction) override { video.position += 40 * direction; }
    void showOverVideo(const std::vector<std::string>& lines) override { video.over = lines; }
    FileChoice openVideoDialog(const std::string&) override { return next(video.choices); }

    void showAbout() override { ++aboutBoxes; }
    Registry& registry() override { return memoryRegistry; }
    bool fileExists(const std::string& path) override { return existingFiles.count(path) > 0; }
    bool startProgram(const std::string& path) override {
        started.push_back(path);
        return startSucceeds;
    }

protected:
    void exitProgram() override { throw ProgramEnded(); }
    std::int64_t now() override { return clock; }

private:
    // The next scripted answer, or the fallback once the script has run out.
    template <typename T>
    T next(std::deque<T>& answers, T fallback = {}) {
        opening();
        if (!answers.empty()) {
            fallback = std::move(answers.front());
            answers.pop_front();
        }
        return fallback;
    }
};

}  // namespace courtlog::testing
