#include "ui/Scaler.h"

#include <QLabel>
#include <QWidget>
#include <cmath>

namespace courtlog::ui {

namespace {

// Pixels per point on the 96-dpi desktop the layout was drawn for.
constexpr double PixelsPerPoint = 96.0 / 72.0;

int rounded(double v) {
    return static_cast<int>(std::lround(v));
}

}  // namespace

Scaler::Drawn& Scaler::known(QWidget* w) {
    auto it = drawn_.find(w);
    if (it == drawn_.end()) {
        auto* label = qobject_cast<QLabel*>(w);
        it = drawn_.emplace(w, Drawn{w->geometry(), w->font(), label ? label->indent() : -1}).first;
    }
    return it->second;
}

void Scaler::adopt() {
    // Parents come before their children: a child of a control Qt builds (a list's popup, a
    // scroll area's parts) is placed by Qt, and so is any window.
    for (QWidget* w : root_->findChildren<QWidget*>()) {
        if (!w->isWindow() && (w->parentWidget() == root_ || drawn_.contains(w->parentWidget()))) {
            known(w);
        }
    }
    apply(scale_);
}

void Scaler::place(QWidget* w, const QRect& at100) {
    Drawn& d = known(w);
    d.place = at100;
    draw(w);
    // Its children are placed from its edges.
    for (QWidget* child : w->findChildren<QWidget*>()) {
        if (drawn_.contains(child)) {
            draw(child);
        }
    }
}

QRect Scaler::placeOf(QWidget* w) const {
    const auto it = drawn_.find(w);
    return it == drawn_.end() ? QRect() : it->second.place;
}

void Scaler::setFont(QWidget* w, const QFont& points) {
    known(w).font = points;
    QFont f = scaled(points);
    f.setUnderline(w->font().underline());
    if (w->font() != f) {
        w->setFont(f);
    }
}

void Scaler::apply(double scale) {
    scale_ = scale;
    for (auto& [w, d] : drawn_) {
        draw(w);
    }
}

QFont Scaler::scaled(const QFont& points) const {
    QFont f = points;
    const double pixels = points.pointSizeF() > 0 ? points.pointSizeF() * PixelsPerPoint
                                                  : static_cast<double>(points.pixelSize());
    // Rounded down: a caption that fits its place at 100% fits it at every scale.
    f.setPixelSize(std::max(1, static_cast<int>(std::floor(pixels * scale_ + 1e-6))));
    return f;
}

int Scaler::scaled(int length) const {
    return rounded(length * scale_);
}

QRect Scaler::inRoot(const QWidget* w) const {
    QRect r = drawn_.at(const_cast<QWidget*>(w)).place;
    for (const QWidget* p = w->parentWidget(); p != root_ && p != nullptr; p = p->parentWidget()) {
        const auto it = drawn_.find(const_cast<QWidget*>(p));
        if (it == drawn_.end()) {
            break;
        }
        r.translate(it->second.place.topLeft());
    }
    return r;
}

QRect Scaler::scaledEdges(const QRect& r) const {
    const int left = rounded(r.x() * scale_);
    const int top = rounded(r.y() * scale_);
    return {left, top, rounded((r.x() + r.width()) * scale_) - left,
            rounded((r.y() + r.height()) * scale_) - top};
}

void Scaler::draw(QWidget* w) {
    const Drawn& d = drawn_.at(w);
    QRect r = scaledEdges(inRoot(w));
    if (QWidget* parent = w->parentWidget(); parent != root_ && drawn_.contains(parent)) {
        r.translate(-scaledEdges(inRoot(parent)).topLeft());
    }
    if (w->geometry() != r) {
        w->setGeometry(r);
    }
    QFont f = scaled(d.font);
    f.setUnderline(w->font().underline());
    if (w->font() != f) {
        w->setFont(f);
    }
    if (auto* label = qobject_cast<QLabel*>(w); label && d.indent >= 0) {
        label->setIndent(scaled(d.indent));
    }
}

}  // namespace courtlog::ui
