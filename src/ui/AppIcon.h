#pragma once

#include <QIcon>
#include <QPixmap>

namespace courtlog::ui {

// The program's icon: a tennis ball on the court's green, drawn at the size asked for.
QPixmap appPixmap(int size);
QIcon appIcon();

}  // namespace courtlog::ui
