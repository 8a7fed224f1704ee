#pragma once

#include <QFont>
#include <QRect>
#include <map>

class QWidget;

namespace courtlog::ui {

// Draws a tree of widgets laid out by hand at 100% at any scale, as one picture: each widget's
// place, font and label indent are kept as laid out and scaled together. Places are scaled by
// their edges in the root's coordinates, so widgets that touch at 100% never overlap, and a
// child never leaves its parent. Fonts become pixel sizes, so text and places stay in step
// whatever the desktop's own scaling.
class Scaler {
public:
    explicit Scaler(QWidget* root) : root_(root) {}

    // Takes every widget under the root that it does not know yet, as it stands, as laid out
    // at 100%: its place, its font (points, or the widget's default) and a label's indent.
    void adopt();
    // A widget's place at 100%, in its parent's coordinates, drawn at once at the scale.
    void place(QWidget* w, const QRect& at100);
    QRect placeOf(QWidget* w) const;
    // A widget's font in points at 100%, set at once as the pixel size of the scale. The
    // underline, which the focus of a name label sets, stays the widget's own.
    void setFont(QWidget* w, const QFont& points);

    // Draws every known widget at this scale.
    void apply(double scale);
    double scale() const { return scale_; }
    // The font in points as the scale draws it, in pixels.
    QFont scaled(const QFont& points) const;
    int scaled(int length) const;

private:
    struct Drawn {
        QRect place;
        QFont font;
        int indent = -1;
    };
    Drawn& known(QWidget* w);
    // The 100% place in the root's coordinates.
    QRect inRoot(const QWidget* w) const;
    QRect scaledEdges(const QRect& r) const;
    void draw(QWidget* w);

    QWidget* root_;
    double scale_ = 1.0;
    std::map<QWidget*, Drawn> drawn_;
};

}  // namespace courtlog::ui
