#include "ui/Placement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace courtlog::ui {

QRect besideOf(const QRect& main, QSize frame, int narrowest, const QRect& screen,
               bool rightFirst) {
    frame = frame.boundedTo(screen.size());
    const int right = screen.right() - main.right();
    const int left = main.left() - screen.left();
    const bool fitsRight = frame.width() <= right;
    const bool fitsLeft = frame.width() <= left;
    const bool onRight = fitsRight ? rightFirst || !fitsLeft
                                   : !fitsLeft && (right > left || (right == left && rightFirst));
    if (!fitsRight && !fitsLeft) {
        // Neither side has room: the window as narrow as it may be, the rest of it over the
        // main window's edge.
        frame.setWidth(
            std::clamp(onRight ? right : left, std::min(narrowest, frame.width()), frame.width()));
    }
    const int x = onRight ? std::min(main.right() + 1, screen.right() + 1 - frame.width())
                          : std::max(main.left() - frame.width(), screen.left());
    const int y = std::clamp(main.top(), screen.top(), screen.bottom() + 1 - frame.height());
    return {QPoint(x, y), frame};
}

void placeBeside(QWidget* window, const QWidget* main, const QWidget* taken) {
    // The frame a window manager draws is known once the window is shown.
    const QSize border = window->isVisible() ? window->frameGeometry().size() - window->size()
                                             : main->frameGeometry().size() - main->size();
    // At least the size it was first shown at, not the one a narrow room gave it last time.
    const char* const first = "courtlogFirstSize";
    if (!window->property(first).isValid()) {
        window->setProperty(first, window->size());
    }
    const QSize size = window->size().expandedTo(window->property(first).toSize());
    const auto place = [&](bool rightFirst) {
        return besideOf(main->frameGeometry(), size + border,
                        window->minimumSizeHint().width() + border.width(),
                        main->screen()->availableGeometry(), rightFirst);
    };
    QRect chosen = place(true);
    if (taken != nullptr && taken->isVisible() && chosen.intersects(taken->frameGeometry())) {
        chosen = place(false);
    }
    window->resize(chosen.size() - border);
    window->move(chosen.topLeft());
}

}  // namespace courtlog::ui
