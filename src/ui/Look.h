#pragma once

#include <QColor>
#include <QFont>

#include "form/Field.h"

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

// Gives a widget a solid background: palette roles rather than style sheets, because the view
// repaints colours on every refresh and a palette change is cheap.
void setBack(QWidget* w, const QColor& back);
void setFore(QWidget* w, const QColor& fore);

}  // namespace courtlog::ui
