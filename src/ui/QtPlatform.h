#pragma once

#include <QWidget>

#include "scoring/Platform.h"

namespace courtlog::ui {

// The program's dialogs drawn with Qt, owned by the main window.
class QtPlatform : public Platform {
public:
    explicit QtPlatform(QWidget* owner);

    MsgAnswer messageBox(const std::string& text, MsgButtons buttons,
                         const std::string& title = {}) override;
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    ResidualAnswer askResidualPoints(int residualPoints, bool offerInsert) override;

protected:
    void exitProgram() override;

private:
    QWidget* owner_;  // the main window, which owns this platform
};

}  // namespace courtlog::ui
