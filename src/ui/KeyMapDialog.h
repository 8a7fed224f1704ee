#pragma once

#include <QDialog>

#include "form/MainForm.h"

class QTextBrowser;

namespace courtlog::ui {

// "Tasti rapidi": the whole charting key map laid out by group, ready to print.
class KeyMapDialog : public QDialog {
    Q_OBJECT
public:
    KeyMapDialog(const MainForm& form, QWidget* parent = nullptr);

    // The map as a page of its own: a table per group, the key beside what it chooses.
    static QString page(const MainForm& form);

private:
    void print();

    QTextBrowser* text_;
};

}  // namespace courtlog::ui
