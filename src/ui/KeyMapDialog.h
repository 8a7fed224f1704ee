#pragma once

#include <QDialog>
#include <QList>

#include "form/MainForm.h"

class QAction;
class QPagedPaintDevice;
class QPushButton;
class QTextBrowser;

namespace courtlog::ui {

// "Tasti rapidi": the whole charting key map laid out by group, and the keys of the menu
// items given, ready to print. It never takes the focus: the keys go on charting.
class KeyMapDialog : public QDialog {
    Q_OBJECT
public:
    KeyMapDialog(const MainForm& form, QWidget* parent = nullptr, QList<QAction*> commands = {});

    // The map as a page of its own in the language in use: a table per group, the key beside
    // what it chooses; then the menu items that have keys, each beside its keys. The tables
    // run down one column or, for a sheet, two.
    static QString page(const MainForm& form, const QList<QAction*>& commands = {},
                        bool twoColumns = false);

    // The map on one page of a printer's or a PDF's.
    void print(QPagedPaintDevice* sheet) const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void print();

    const MainForm& form_;
    QList<QAction*> commands_;
    QTextBrowser* text_;
    QPushButton* print_;
};

}  // namespace courtlog::ui
