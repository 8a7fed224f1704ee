#include "ui/Look.h"

#include <QAbstractButton>
#include <QFontDatabase>
#include <QLabel>
#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <vector>

namespace courtlog::ui {

namespace {

QString comicFamily = QStringLiteral("Comic Sans MS");
QString timesFamily = QStringLiteral("Times New Roman");

// The face where it is installed, else its look-alike by its own name: a face that is missing
// sends every first use of a size on a search through all the fonts for a stand-in, which
// costs the start a noticeable time.
QString present(const QStringList& families, const QString& face, const QString& lookAlike) {
    return families.contains(face, Qt::CaseInsensitive) ||
                   !families.contains(lookAlike, Qt::CaseInsensitive)
               ? face
               : lookAlike;
}

}  // namespace

void installFonts() {
    // The Windows faces by name, with free look-alikes where they are not installed.
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));
    const QStringList families = QFontDatabase::families();
    comicFamily = present(families, QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    timesFamily =
        present(families, QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
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
    return named(comicFamily, pointSize);
}

QFont timesNewRoman(double pointSize) {
    return named(timesFamily, pointSize);
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

namespace {

const QChar Ellipsis(0x2026);

bool showsWhole(const QWidget* w) {
    if (w->hasHeightForWidth()) {  // a label that wraps: all its lines fit in its height
        return w->heightForWidth(w->width()) <= w->height();
    }
    return w->sizeHint().width() <= w->width();
}

// The largest of 0..last for which fits holds, given that it holds for all below that; 0 when
// none does.
int largestFitting(int last, const std::function<bool(int)>& fits) {
    int low = 0, high = last;
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (fits(middle)) {
            low = middle;
        } else {
            high = middle - 1;
        }
    }
    return low;
}

// Cut at a width found by trying: the style's margins around the text are the widget's own.
QString elidedToFit(QWidget* w, const QString& text, int flags,
                    const std::function<void(const QString&)>& show) {
    const QFontMetrics metrics(w->font());
    const auto elided = [&](int width) {
        return metrics.elidedText(text, Qt::ElideRight, width, flags);
    };
    const int width = largestFitting(metrics.horizontalAdvance(text), [&](int width) {
        show(elided(width));
        return showsWhole(w);
    });
    return elided(width);
}

// The caption as a button shows it: "&&" is an ampersand, any other "&" marks the access key.
QString withoutAccessKey(const QString& text) {
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) {
            ++i;
        }
        plain += text[i];
    }
    return plain;
}

}  // namespace

void shrinkToFit(std::initializer_list<QWidget*> widgets, QFont font) {
    const auto fits = [&] {
        bool all = true;
        for (QWidget* w : widgets) {
            w->setFont(font);
            all = showsWhole(w) && all;
        }
        return all;
    };
    while (!fits() && font.pointSizeF() > SmallestPointSize) {
        font.setPointSizeF(std::max(font.pointSizeF() - 0.5, SmallestPointSize));
    }
}

void showFitted(QLabel* label, const QString& text) {
    label->setText(text);
    QString shown = text;
    if (!showsWhole(label)) {
        if (label->wordWrap()) {
            // Whole words only: the places a cut may fall, before each space.
            std::vector<qsizetype> ends;
            for (qsizetype i = 1; i < text.size(); ++i) {
                if (text[i].isSpace() && !text[i - 1].isSpace()) {
                    ends.push_back(i);
                }
            }
            const auto cut = [&](int words) {
                return words == 0 ? QString(Ellipsis) : text.left(ends[words - 1]) + Ellipsis;
            };
            shown = cut(largestFitting(static_cast<int>(ends.size()), [&](int words) {
                label->setText(cut(words));
                return showsWhole(label);
            }));
        } else {
            shown = elidedToFit(label, text, 0, [label](const QString& s) { label->setText(s); });
        }
        label->setText(shown);
    }
    label->setToolTip(shown == text ? QString() : text);
}

void showFitted(QAbstractButton* button, const QString& text) {
    button->setText(text);
    QString shown = text;
    if (!showsWhole(button)) {
        shown = elidedToFit(button, text, Qt::TextShowMnemonic,
                            [button](const QString& s) { button->setText(s); });
        button->setText(shown);
    }
    button->setToolTip(shown == text ? QString() : withoutAccessKey(text));
}

}  // namespace courtlog::ui
