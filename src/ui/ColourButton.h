#pragma once

#include <QColor>
#include <QPushButton>

namespace courtlog::ui {

// A command button drawn with its own face colour, whose caption wraps onto a second line
// when one line is too narrow. Drawn by hand so the colour shows with every widget style.
class ColourButton : public QPushButton {
    Q_OBJECT
public:
    ColourButton(const QString& text, const QColor& face, QWidget* parent = nullptr);

    QColor face() const { return face_; }
    // The narrowest size that shows every word of the caption whole.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static constexpr int Padding = 4;
    QColor face_;
};

}  // namespace courtlog::ui
