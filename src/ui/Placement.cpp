#include "ui/Placement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace courtlog::ui {

QRect besideOf(const QRect& main, QSize frame, int narrowest, const QRect& screen) {
    frame = frame.boundedTo(screen.size());
    const int right = screen.right() - main.right();
    const int left = main.left() - screen.left();
    int x = main.right() + 1;
    if (frame.width() > right) {
        if (frame.width() <= left) {
            x = main.left() - frame.width();
        } else {
            // Neither side has room: the wider, the window as narrow as it may be, the rest of
            // it over the main window's edge.
            const bool onRight = right >= left;
            frame.setWidth(std::clamp(onRight ? right : left, std::min(narrowest, frame.width()),
                                      frame.width()));
            x = onRight ? std::min(x, screen.right() + 1 - frame.width())
                        : std::max(main.left() - frame.width(), screen.left());
        }
    }
    const int y = std::clamp(main.top(), screen.top(), screen.bottom() + 1 - frame.height());
    return {QPoint(x, y), frame};
}

void placeBeside(QWidget* window, const QWidget* main) {
    // The frame a window manager draws is known once the window is shown.
    const QSize border = window->isVisible() ? window->frameGeometry().size() - window->size()
                                             : main->frameGeometry().size() - main->size();
    const QRect place = besideOf(main->frameGeometry(), window->size() + border,
                                 window->minimumSizeHint().width() + border.width(),
                                 main->screen()->availableGeometry());
    window->resize(place.size() - border);
    window->move(place.topLeft());
}

}  // namespace courtlog::ui
