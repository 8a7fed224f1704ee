#include "ui/ShowingPlatform.h"

namespace courtlog::ui {

MsgAnswer ShowingPlatform::messageBox(const Text& text, MsgButtons buttons, const Text& title) {
    showWindow_();
    return inner_.messageBox(text, buttons, title);
}

std::string ShowingPlatform::inputBox(const Text& prompt, const Text& title,
                                      const std::string& defaultText) {
    showWindow_();
    return inner_.inputBox(prompt, title, defaultText);
}

ResidualAnswer ShowingPlatform::askResidualPoints(int residualPoints, bool offerInsert) {
    showWindow_();
    return inner_.askResidualPoints(residualPoints, offerInsert);
}

FileChoice ShowingPlatform::saveFileDialog(const std::string& defaultName,
                                           const std::vector<Text>& filters, std::size_t selected) {
    showWindow_();
    return inner_.saveFileDialog(defaultName, filters, selected);
}

FileChoice ShowingPlatform::openFileDialog() {
    showWindow_();
    return inner_.openFileDialog();
}

FileChoice ShowingPlatform::openVideoDialog(const std::string& folder) {
    showWindow_();
    return inner_.openVideoDialog(folder);
}

void ShowingPlatform::showAbout() {
    showWindow_();
    inner_.showAbout();
}

}  // namespace courtlog::ui
