#include "ui/ColourButton.h"

#include <QPainter>
#include <QPainterPath>

namespace courtlog::ui {

namespace {
constexpr int TextFlags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
}

ColourButton::ColourButton(const QString& text, const QColor& face, QWidget* parent)
    : QPushButton(text, parent), face_(face) {
    // Its face is the colour of the frame it stands in, so its text takes that frame's.
    setForegroundRole(QPalette::WindowText);
}

QSize ColourButton::sizeHint() const {
    const QFontMetrics fm(font());
    int widest = 0;
    for (const QString& word : text().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        widest = std::max(widest, fm.horizontalAdvance(word));
    }
    const QRect wrapped = fm.boundingRect(QRect(0, 0, widest, 1000), TextFlags, text());
    return {widest + 2 * Padding, wrapped.height() + 2 * Padding};
}

void ColourButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);

    QColor face = face_;
    if (!isEnabled()) {
        face = face.lighter(115);
    } else if (isDown()) {
        face = face.darker(120);
    } else if (underMouse()) {
        face = face.lighter(106);
    }
    const QRectF outline = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(face_.darker(170), 1.0));
    p.setBrush(face);
    p.drawRoundedRect(outline, 4, 4);

    // A light edge at the top and left makes it read as a raised button.
    if (!isDown()) {
        p.setPen(QPen(face.lighter(135), 1.0));
        p.drawLine(QPointF(3.5, 1.5), QPointF(width() - 3.5, 1.5));
        p.drawLine(QPointF(1.5, 3.5), QPointF(1.5, height() - 3.5));
    }
    if (hasFocus()) {
        QPen focusPen(palette().color(QPalette::WindowText), 1.0, Qt::DotLine);
        p.setPen(focusPen);
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(outline.adjusted(2.5, 2.5, -2.5, -2.5), 2, 2);
    }

    QRect textArea = rect().adjusted(Padding, Padding, -Padding, -Padding);
    if (isDown()) {
        textArea.translate(1, 1);
    }
    p.setPen(isEnabled() ? palette().color(foregroundRole())
                         : palette().color(QPalette::Disabled, foregroundRole()));
    p.drawText(textArea, TextFlags, text());
}

}  // namespace courtlog::ui
