#pragma once

#include <QDialog>
#include <array>

#include "history/ResidualPoints.h"
#include "platform/Dialogs.h"

class QLabel;
class QPushButton;

namespace courtlog::ui {

// Asks what becomes of the recorded points that follow a point recorded in the middle of the
// history. Made anew for every question, in the language in use.
class NuovoPuntoDialog : public QDialog {
    Q_OBJECT
public:
    NuovoPuntoDialog(const ResidualQuestion& question, QWidget* owner);

    // Shows the question modally and returns the choice.
    ResidualAnswer ask();
    // The choice made so far. Escape or the close box choose nothing: the point is taken
    // back. Enter presses the default button, overwrite.
    ResidualAnswer answer() const { return answer_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    static constexpr double MessagePointSize = 9.75;

    void retranslate();
    void choose(int index);

    ResidualQuestion question_;
    QLabel* message_;
    std::array<QPushButton*, 3> choices_{};
    ResidualAnswer answer_ = ResidualAnswer::Cancel;
};

}  // namespace courtlog::ui
