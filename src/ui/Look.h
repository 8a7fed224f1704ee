#pragma once

#include <QColor>
#include <QFont>
#include <initializer_list>

#include "form/Field.h"

class QAbstractButton;
class QLabel;
class QWidget;

namespace courtlog::ui {

// Registers the fonts that stand in for the window's own faces where those are missing, so
// the window keeps its character on every system. Call once, after the application exists.
void installFonts();

QFont comicSans(double pointSize);
QFont timesNewRoman(double pointSize);

constexpr QColor toQColor(Colour c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}
inline Colour fromQColor(const QColor& c) {
    return static_cast<Colour>(c.red()) | static_cast<Colour>(c.green()) << 8 |
           static_cast<Colour>(c.blue()) << 16;
}

// Gives a widget a solid background: palette roles rather than style sheets, because the view
// repaints colours on every refresh and a palette change is cheap.
void setBack(QWidget* w, const QColor& back);
void setFore(QWidget* w, const QColor& fore);

// The dialogs keep their drawn places whatever the language. A text too long for its place
// first takes a smaller font, and only a text that does not fit even then is cut.
constexpr double SmallestPointSize = 6.0;

// Gives every widget font at the largest size, down to SmallestPointSize, at which each shows
// the whole of its text in its place; one size for all, so that a row of buttons looks alike.
void shrinkToFit(std::initializer_list<QWidget*> widgets, QFont font);

// Shows text in the label's or button's place: where it does not fit it is cut with "…" and
// the tooltip holds it whole. A label that wraps keeps the whole words its lines hold; a
// button keeps its access key.
void showFitted(QLabel* label, const QString& text);
void showFitted(QAbstractButton* button, const QString& text);

}  // namespace courtlog::ui
