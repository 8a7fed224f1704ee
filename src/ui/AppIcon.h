#pragma once

#include <QIcon>
#include <QPixmap>
#include <QWidget>

namespace courtlog::ui {

// The program's icon: a tennis ball on the court's green, drawn at the size asked for.
QPixmap appPixmap(int size);
QIcon appIcon();

// Gives the program its icon once the window has been drawn for the first time: painting it in
// every size and handing it to the window system is not needed to see the window.
void setIconWhenDrawn(QWidget& window);

}  // namespace courtlog::ui
