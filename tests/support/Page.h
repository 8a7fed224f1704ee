#pragma once

#include <gtest/gtest.h>

#include <QRectF>
#include <QXmlStreamReader>
#include <cmath>
#include <map>
#include <string>

namespace courtlog::testing {

inline bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// What a reader finds on a page: its text (not the style's or the script's), with table cells ended
// by "|", chart labels by a blank and rows, headings and paragraphs by a line break; the labels
// given to assistive technology; how many elements there are by name and by name.class; and the
// line numbers of places drawn outside the chart's viewBox.
struct Reading {
    std::string text, labels, style, script, outside;
    std::map<std::string, int> count;
    int places = 0;
};

inline Reading read(const std::string& page) {
    const std::map<std::string, std::string> ends{{"td", "|"},  {"th", "|"},       {"text", " "},
                                                  {"tr", "\n"}, {"p", "\n"},       {"h1", "\n"},
                                                  {"h2", "\n"}, {"caption", "\n"}, {"title", "\n"}};
    Reading out;
    QXmlStreamReader r(QByteArray::fromStdString(page));
    QRectF box;
    while (r.readNext() != QXmlStreamReader::EndDocument && !r.hasError()) {
        const std::string name = r.name().toString().toStdString();
        const QXmlStreamAttributes a = r.attributes();
        const auto at = [&](const char* n) {
            return a.hasAttribute(n) ? a.value(n).toDouble() : NAN;
        };
        out.text += r.isCharacters()                          ? r.text().toString().toStdString()
                    : r.isEndElement() && ends.contains(name) ? ends.at(name)
                                                              : "";
        if (!r.isStartElement()) {
            continue;
        }
        ++out.count[name];
        out.labels += a.hasAttribute("aria-label")
                          ? " " + a.value("aria-label").toString().toStdString()
                          : "";
        for (const auto& c : a.value("class").split(u' ', Qt::SkipEmptyParts)) {
            ++out.count[name + "." + c.toString().toStdString()];
        }
        if (name == "style" || name == "script") {  // the last of each
            (name == "style" ? out.style : out.script) = r.readElementText().toStdString();
        } else if (name == "svg") {
            const QStringList v = a.value("viewBox").toString().split(' ');
            box = QRectF(v.value(0).toDouble(), v.value(1).toDouble(), v.value(2).toDouble(),
                         v.value(3).toDouble());
        } else if (r.namespaceUri() == QLatin1String("http://www.w3.org/2000/svg")) {
            // Its x/y pairs, a rectangle's far corner and each vertex of a polyline.
            QList<QPointF> places{{at("x1"), at("y1")}, {at("x2"), at("y2")}, {at("cx"), at("cy")}};
            places << QPointF(at("x"), at("y"))
                   << QPointF(at("x") + at("width"), at("y") + at("height"));
            for (const auto& p : a.value("points").split(u' ', Qt::SkipEmptyParts)) {
                places.append({p.split(u',')[0].toDouble(), p.split(u',').value(1).toDouble()});
            }
            for (const QPointF& p : places) {
                const bool drawn = !std::isnan(p.x()) || !std::isnan(p.y());
                out.places += drawn;
                out.outside +=
                    drawn && !box.contains(p) ? " " + std::to_string(r.lineNumber()) : "";
            }
        }
    }
    EXPECT_FALSE(r.hasError()) << r.errorString().toStdString() << " at " << r.lineNumber();
    return out;
}

}  // namespace courtlog::testing
