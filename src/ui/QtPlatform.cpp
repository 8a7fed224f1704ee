#include "ui/QtPlatform.h"

#include <QInputDialog>
#include <QMessageBox>
#include <cstdlib>

#include "history/ResidualPoints.h"
#include "ui/NuovoPuntoDialog.h"

namespace courtlog::ui {

QtPlatform::QtPlatform(QWidget* owner) : owner_(owner) {}

MsgAnswer QtPlatform::messageBox(const std::string& text, MsgButtons buttons,
                                 const std::string& title) {
    QMessageBox box(owner_);
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(QString::fromStdString(title.empty() ? std::string(kAppTitle) : title));
    // Names typed by the user end up in messages; show them as typed, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromStdString(text));
    if (buttons == MsgButtons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return MsgAnswer::Ok;
    }
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    // Closing the box without choosing is a refusal.
    box.setEscapeButton(QMessageBox::No);
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Yes) ? MsgAnswer::Yes : MsgAnswer::No;
}

std::string QtPlatform::inputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText) {
    bool ok = false;
    const QString answer =
        QInputDialog::getText(owner_, QString::fromStdString(title), QString::fromStdString(prompt),
                              QLineEdit::Normal, QString::fromStdString(defaultText), &ok);
    return ok ? answer.toStdString() : std::string();
}

ResidualAnswer QtPlatform::askResidualPoints(int residualPoints, bool offerInsert) {
    NuovoPuntoDialog dialog(residualQuestion(residualPoints, offerInsert), owner_);
    return dialog.ask();
}

void QtPlatform::exitProgram() {
    // At once: the window's close step (options, the offer to save) must not run.
    std::exit(0);
}

}  // namespace courtlog::ui
