#pragma once

#include <QRect>

class QWidget;

namespace courtlog::ui {

// Where a window of the frame size `frame` stands beside `main` on `screen`: to its right where
// the screen has room, else to its left (the other way round unless `rightFirst`), else on the
// side with more room, narrowed to that room down to `narrowest` and over `main` only by what
// the screen cannot give. The frame's rectangle.
QRect besideOf(const QRect& main, QSize frame, int narrowest, const QRect& screen,
               bool rightFirst = true);

// Moves and, if it must, narrows the helper window `window` beside `main`, frame and all, on
// the other side if the first would cover the window `taken`. A window not yet shown is taken
// to get a frame like the main window's.
void placeBeside(QWidget* window, const QWidget* main, const QWidget* taken = nullptr);

}  // namespace courtlog::ui
