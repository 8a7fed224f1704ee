#include "ui/Look.h"

#include <QPalette>
#include <QWidget>

namespace courtlog::ui {

void installFonts() {
    // The Windows faces by name, with free look-alikes where they are not installed.
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));
}

namespace {

QFont named(const QString& family, double pointSize) {
    QFont f(family);
    f.setPointSizeF(pointSize);
    f.setWeight(QFont::Normal);
    return f;
}

}  // namespace

QFont comicSans(double pointSize) {
    return named(QStringLiteral("Comic Sans MS"), pointSize);
}

QFont timesNewRoman(double pointSize) {
    return named(QStringLiteral("Times New Roman"), pointSize);
}

void setBack(QWidget* w, const QColor& back) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, back);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void setFore(QWidget* w, const QColor& fore) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, fore);
    w->setPalette(p);
}

}  // namespace courtlog::ui
