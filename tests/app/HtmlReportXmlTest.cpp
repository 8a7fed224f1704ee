// The match pages read back as XML, and everything the chart draws lies inside its viewBox.
#include <gtest/gtest.h>

#include <QFile>
#include <QRectF>
#include <QXmlStreamReader>

#include "history/HtmlReport.h"
#include "storage/MatchFile.h"

namespace courtlog {
namespace {

const QString kSvg = QStringLiteral("http://www.w3.org/2000/svg");

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
    QStringList outside;  // drawing attributes that leave the viewBox
};

QRectF viewBox(const QXmlStreamAttributes& a) {
    const QStringList v = a.value(QStringLiteral("viewBox")).toString().split(' ');
    return v.size() == 4
               ? QRectF(v[0].toDouble(), v[1].toDouble(), v[2].toDouble(), v[3].toDouble())
               : QRectF();
}

// Every place an SVG element draws at: its x/y pairs, the far corner of a rectangle and
// each vertex of a polyline or polygon.
QStringList pointsOutside(const QXmlStreamReader& r, const QRectF& box) {
    const auto a = r.attributes();
    QStringList outside;
    const auto check = [&](const QString& what, const QString& xs, const QString& ys) {
        bool okX = false;
        bool okY = false;
        const double x = xs.toDouble(&okX);
        const double y = ys.toDouble(&okY);
        if (!okX || !okY || x < box.left() || x > box.right() || y < box.top() ||
            y > box.bottom()) {
            outside << QStringLiteral("%1 %2 (%3, %4) at line %5")
                           .arg(r.name(), what, xs, ys)
                           .arg(r.lineNumber());
        }
    };
    const auto value = [&](const char* name) { return a.value(QLatin1String(name)).toString(); };
    for (const auto& [x, y] : {std::pair{"x", "y"}, std::pair{"x1", "y1"}, std::pair{"x2", "y2"},
                               std::pair{"cx", "cy"}}) {
        if (a.hasAttribute(QLatin1String(x))) {
            check(QLatin1String(x), value(x), value(y));
        }
    }
    if (a.hasAttribute(QStringLiteral("width"))) {
        check(QStringLiteral("corner"),
              QString::number(value("x").toDouble() + value("width").toDouble()),
              QString::number(value("y").toDouble() + value("height").toDouble()));
    }
    if (a.hasAttribute(QStringLiteral("points"))) {
        for (const QString& vertex : value("points").split(' ')) {
            const QStringList xy = vertex.split(',');
            check(QStringLiteral("vertex"), xy.value(0), xy.value(1));
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
        if (r.isStartElement()) {
            if (depthInSvg > 0) {
                ++depthInSvg;
                shape.outside << pointsOutside(r, box);
            } else if (r.namespaceUri() == kSvg && r.name() == QLatin1String("svg")) {
                ++shape.svgCount;
                depthInSvg = 1;
                box = viewBox(r.attributes());
            } else if (r.name() == QLatin1String("tr") && r.attributes()
                                                              .value(QStringLiteral("class"))
                                                              .startsWith(QLatin1String("punto"))) {
                ++shape.logRows;
            }
        } else if (r.isEndElement() && depthInSvg > 0) {
            --depthInSvg;
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
    const std::string page = htmlReport(buildHistory(record));
    const PageShape shape = read(page);
    EXPECT_TRUE(shape.error.isEmpty()) << shape.error.toStdString();

    QXmlStreamReader r(QByteArray::fromStdString(page));
    QStringList titles;
    bool sawScript = false;
    while (!r.atEnd()) {
        if (r.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        sawScript = sawScript || r.name() == QLatin1String("script");
        if (r.name() == QLatin1String("title")) {
            titles << r.readElementText();
        }
    }
    EXPECT_FALSE(sawScript);
    ASSERT_FALSE(titles.isEmpty());
    EXPECT_EQ(titles.first(), QStringLiteral("A<b>&\"c\" – ]]> <!-- ? · <script>x</script>"));

    const auto totals = addUp({buildHistory(record)});
    EXPECT_TRUE(read(htmlTotals(totals, {buildHistory(record)})).error.isEmpty());
}

}  // namespace
}  // namespace courtlog
