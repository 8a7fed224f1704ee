// The match pages read back as XML, and everything the chart draws lies inside its viewBox.
#include <gtest/gtest.h>

#include <QFile>
#include <QRectF>
#include <QXmlStreamReader>

#include "history/HtmlReport.h"
#include "storage/MatchFile.h"

namespace courtlog {
namespace {

MatchHistory sample(const char* name) {
    QFile f(QStringLiteral(COURTLOG_SAMPLES_DIR "/") + QString::fromLatin1(name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    const QByteArray bytes = f.readAll();
    const DecodedMatch decoded = decodeMatch(std::string_view(bytes.constData(), bytes.size()));
    EXPECT_EQ(decoded.fatalError, 0) << name;
    return buildHistory(decoded.match);
}

struct PageShape {
    QString error;
    int svgCount = 0;
    int logRows = 0;
    QStringList outside;  // places drawn at outside the viewBox
    QStringList titles;
};

// Every place an element of the chart draws at: its x/y pairs, the far corner of a rectangle
// and each vertex of a polyline or polygon.
QStringList placesOutside(const QXmlStreamReader& r, const QRectF& box) {
    const QXmlStreamAttributes a = r.attributes();
    const auto at = [&](const char* name) { return a.value(QLatin1String(name)).toString(); };
    QStringList places = at("points").split(' ', Qt::SkipEmptyParts);
    for (const auto& [x, y] : {std::pair{"x", "y"}, std::pair{"x1", "y1"}, std::pair{"x2", "y2"},
                               std::pair{"cx", "cy"}}) {
        if (a.hasAttribute(QLatin1String(x))) {
            places << at(x) + ',' + at(y);
        }
    }
    if (a.hasAttribute(QLatin1String("width"))) {
        places << QStringLiteral("%1,%2")
                      .arg(at("x").toDouble() + at("width").toDouble())
                      .arg(at("y").toDouble() + at("height").toDouble());
    }
    QStringList outside;
    for (const QString& place : places) {
        bool okX = false;
        bool okY = false;
        const double x = place.section(',', 0, 0).toDouble(&okX);
        const double y = place.section(',', 1, 1).toDouble(&okY);
        if (!okX || !okY || !box.contains(x, y)) {
            outside
                << QStringLiteral("%1 (%2) at line %3").arg(r.name(), place).arg(r.lineNumber());
        }
    }
    return outside;
}

PageShape read(const std::string& page) {
    PageShape shape;
    QXmlStreamReader r(QByteArray::fromStdString(page));
    QRectF box;
    int depthInSvg = 0;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isEndElement() && depthInSvg > 0) {
            --depthInSvg;
        }
        if (!r.isStartElement()) {
            continue;
        }
        if (depthInSvg > 0) {
            ++depthInSvg;
            shape.outside << placesOutside(r, box);
        } else if (r.name() == QLatin1String("svg") &&
                   r.namespaceUri() == QLatin1String("http://www.w3.org/2000/svg")) {
            ++shape.svgCount;
            depthInSvg = 1;
            const QStringList v =
                r.attributes().value(QStringLiteral("viewBox")).toString().split(' ');
            box = QRectF(v.value(0).toDouble(), v.value(1).toDouble(), v.value(2).toDouble(),
                         v.value(3).toDouble());
        } else if (r.name() == QLatin1String("tr") && r.attributes()
                                                          .value(QStringLiteral("class"))
                                                          .startsWith(QLatin1String("punto"))) {
            ++shape.logRows;
        } else if (r.name() == QLatin1String("title")) {
            shape.titles << r.readElementText();
        }
    }
    if (r.hasError()) {
        shape.error = r.errorString() + " at line " + QString::number(r.lineNumber());
    }
    return shape;
}

TEST(HtmlReportXml, SamplePagesParseAndTheChartStaysInItsBox) {
    for (const char* name : {"fresh.clg", "best-of-three-tiebreak.clg",
                             "best-of-five-fifth-set.clg", "thousand-points.clg"}) {
        SCOPED_TRACE(name);
        const MatchHistory m = sample(name);
        const PageShape shape = read(htmlReport(m));
        EXPECT_TRUE(shape.error.isEmpty()) << shape.error.toStdString();
        EXPECT_EQ(shape.svgCount, 1);
        EXPECT_EQ(shape.logRows, static_cast<int>(m.points.size()));
        EXPECT_TRUE(shape.outside.isEmpty()) << shape.outside.join('\n').toStdString();
    }
}

TEST(HtmlReportXml, NamesWithMarkupAndControlCharactersStayText) {
    MatchRecord record;
    record.players = {"A<b>&\"c\"", "]]> <!-- \x01"};
    record.tournament = "<script>x</script>";
    const std::vector<MatchHistory> matches{buildHistory(record)};
    for (const std::string& page : {htmlReport(matches[0]), htmlTotals(addUp(matches), matches)}) {
        EXPECT_TRUE(read(page).error.isEmpty()) << read(page).error.toStdString();
        EXPECT_EQ(page.find("<script"), std::string::npos);
    }
    const QStringList titles = read(htmlReport(matches[0])).titles;
    ASSERT_FALSE(titles.isEmpty());
    EXPECT_EQ(titles.first(), QStringLiteral("A<b>&\"c\" – ]]> <!-- ? · <script>x</script>"));
}

}  // namespace
}  // namespace courtlog
