#pragma once

#include <QDialog>

#include "form/MainForm.h"

class QPushButton;
class QTextBrowser;

namespace courtlog::ui {

// "Tasti rapidi": the whole charting key map laid out by group, ready to print.
class KeyMapDialog : public QDialog {
    Q_OBJECT
public:
    KeyMapDialog(const MainForm& form, QWidget* parent = nullptr);

    // The map as a page of its own in the language in use: a table per group, the key beside
    // what it chooses.
    static QString page(const MainForm& form);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void print();

    const MainForm& form_;
    QTextBrowser* text_;
    QPushButton* print_;
};

}  // namespace courtlog::ui
