#pragma once

#include <iosfwd>
#include <string>
#include <utility>

#include "platform/MemoryRegistry.h"
#include "platform/Platform.h"

namespace courtlog {

// The platform of the command-line tools and of reports made behind the window: there is
// nobody to ask, so every message goes to the given stream as one line (or nowhere) and every
// question gets the answer that changes nothing. The user's settings are never read or
// written, so a run does not depend on how the window was last left and leaves nothing behind.
class HeadlessPlatform : public Platform {
public:
    HeadlessPlatform() = default;
    // Each message goes to messages as one line, after prefix.
    explicit HeadlessPlatform(std::ostream& messages, std::string prefix = {})
        : messages_(&messages), prefix_(std::move(prefix)) {}

    MsgAnswer messageBox(const Text& text, MsgButtons buttons, const Text& title = {}) override;
    std::string inputBox(const Text& prompt, const Text& title,
                         const std::string& defaultText) override;
    ResidualAnswer askResidualPoints(int residualPoints, bool offerInsert) override;
    FileChoice saveFileDialog(const std::string& defaultName, const std::vector<Text>& filters,
                              std::size_t selected) override;
    FileChoice openFileDialog() override;
    std::optional<std::string> getSetting(const std::string& app, const std::string& section,
                                          const std::string& key) override;
    void saveSetting(const std::string& app, const std::string& section, const std::string& key,
                     const std::string& value) override;
    void showAbout() override;
    // Messages in the words translate gives; Italian unless set.
    void setTranslate(Text::Translate translate) { translate_ = std::move(translate); }
    std::string shown(const Text& text) override;

    Registry& registry() override { return registry_; }
    bool fileExists(const std::string& path) override;
    bool startProgram(const std::string& path) override;

protected:
    void exitProgram() override;

private:
    std::ostream* messages_ = nullptr;
    std::string prefix_;
    MemoryRegistry registry_;
    Text::Translate translate_;
};

}  // namespace courtlog
