#pragma once

#include <QString>

class QAction;
class QLabel;

namespace courtlog::ui {

// Gives the window's own kinds of control their faces for assistive clients: labels that show
// a value, the name labels that rename on a press, a drop-down list that cannot be typed in (the
// round), the history's scroll bar. Safe to call more than once.
void installAccessibility();

// A label whose text is a value: assistive clients read the name as what it is and whose, and
// the text as its value ("Punteggio Giocatore A", "30").
void showsValue(QLabel* label, const QString& name);

// A name label read by this name, with this value when it has one: a singles name is read as
// the name itself, a doubles name as whose it is with the name as its value.
void showsName(QLabel* label, const QString& name, const QString& value);

// A menu item read by this name rather than its caption, which becomes its description. Given
// before the menu is first read; the name may change afterwards.
void nameMenuItem(QAction* action, const QString& name);

}  // namespace courtlog::ui
