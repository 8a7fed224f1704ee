#include "platform/HeadlessPlatform.h"

#include <cstdlib>
#include <ostream>

namespace courtlog {

std::string HeadlessPlatform::shown(const Text& text) {
    return translate_ ? text.render(translate_) : text.italian();
}

MsgAnswer HeadlessPlatform::messageBox(const Text& text, MsgButtons buttons, const Text&) {
    // One line per message, so that each can be told apart in a log.
    std::string line = shown(text);
    for (char& c : line) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    if (messages_ != nullptr) {
        *messages_ << prefix_ << line << '\n' << std::flush;
    }
    switch (buttons) {
        case MsgButtons::YesNo:
            return MsgAnswer::No;
        case MsgButtons::ReplaceSaveAsCancel:
            return MsgAnswer::Cancel;
        default:
            return MsgAnswer::Ok;
    }
}

std::string HeadlessPlatform::inputBox(const Text&, const Text&, const std::string&) {
    return {};  // a cancelled box: nothing is renamed
}

ResidualAnswer HeadlessPlatform::askResidualPoints(int, bool) {
    return ResidualAnswer::Overwrite;  // the question's default button
}

FileChoice HeadlessPlatform::saveFileDialog(const std::string&, const std::vector<Text>&,
                                            std::size_t) {
    return {};
}

FileChoice HeadlessPlatform::openFileDialog() {
    return {};
}

std::optional<std::string> HeadlessPlatform::getSetting(const std::string&, const std::string&,
                                                        const std::string&) {
    return std::nullopt;
}

void HeadlessPlatform::saveSetting(const std::string&, const std::string&, const std::string&,
                                   const std::string&) {}

void HeadlessPlatform::showAbout() {}

bool HeadlessPlatform::fileExists(const std::string&) {
    return false;
}

bool HeadlessPlatform::startProgram(const std::string&) {
    return false;
}

void HeadlessPlatform::exitProgram() {
    // Only a fault the program cannot go on from ends it early; its message is already out.
    std::exit(EXIT_FAILURE);
}

}  // namespace courtlog
