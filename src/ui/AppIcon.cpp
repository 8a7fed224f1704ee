#include "ui/AppIcon.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

namespace courtlog::ui {

QPixmap appPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 128, 0));
    p.drawRoundedRect(QRectF(0, 0, s, s), s * 0.18, s * 0.18);

    const QRectF ball(s * 0.14, s * 0.14, s * 0.72, s * 0.72);
    p.setBrush(QColor(214, 232, 40));
    p.setPen(QPen(QColor(120, 140, 0), s * 0.03));
    p.drawEllipse(ball);

    // The two curved seams of the ball.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, s * 0.05, Qt::SolidLine, Qt::RoundCap));
    p.setClipRegion(QRegion(ball.toRect(), QRegion::Ellipse));
    p.drawArc(QRectF(-s * 0.42, s * 0.14, s * 0.72, s * 0.72), -60 * 16, 120 * 16);
    p.drawArc(QRectF(s * 0.70, s * 0.14, s * 0.72, s * 0.72), 120 * 16, 120 * 16);
    return pixmap;
}

QIcon appIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addPixmap(appPixmap(size));
    }
    return icon;
}

namespace {

class IconWhenDrawn : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            deleteLater();
            // After the whole first drawing, which this paint event begins.
            QTimer::singleShot(0, qApp, [] { QApplication::setWindowIcon(appIcon()); });
        }
        return false;
    }
};

}  // namespace

void setIconWhenDrawn(QWidget& window) {
    window.installEventFilter(new IconWhenDrawn(&window));
}

}  // namespace courtlog::ui
