// The pages read back as XML, and everything the chart draws lies inside its viewBox.
#include <gtest/gtest.h>

#include <QFile>
#include <QRectF>
#include <QXmlStreamReader>
#include <cmath>

#include "history/HtmlReport.h"
#include "storage/MatchFile.h"
#include "support/Harness.h"

namespace courtlog {
namespace {

struct Reading {
    QString error;
    QStringList titles;
    int places = 0;       // drawn in the chart
    QStringList outside;  // of those, the ones outside its viewBox
};

Reading read(const std::string& page) {
    Reading out;
    QXmlStreamReader r(QByteArray::fromStdString(page));
    QRectF box;
    int depth = 0;  // inside the chart's svg element
    while (!r.atEnd()) {
        r.readNext();
        depth -= r.isEndElement() && depth > 0 ? 1 : 0;
        if (!r.isStartElement()) {
            continue;
        }
        const QXmlStreamAttributes a = r.attributes();
        const auto at = [&](const char* name) {
            bool ok = false;
            const double v = a.value(QLatin1String(name)).toDouble(&ok);
            return ok ? v : NAN;
        };
        if (depth > 0) {
            ++depth;
            // Its x/y pairs, a rectangle's far corner and each vertex of a polyline.
            QList<QPointF> places{{at("x1"), at("y1")},
                                  {at("x2"), at("y2")},
                                  {at("cx"), at("cy")},
                                  {at("x"), at("y")},
                                  {at("x") + at("width"), at("y") + at("height")}};
            for (const auto& p : a.value(QLatin1String("points")).split(u' ', Qt::SkipEmptyParts)) {
                places.append(
                    {p.split(u',').value(0).toDouble(), p.split(u',').value(1).toDouble()});
            }
            for (const QPointF& p : places) {
                if (std::isnan(p.x()) && std::isnan(p.y())) {
                    continue;  // an attribute the element does not have
                }
                ++out.places;
                if (!box.contains(p)) {
                    out.outside << r.name().toString() + " at line " +
                                       QString::number(r.lineNumber());
                }
            }
        } else if (r.name() == QLatin1String("svg")) {
            depth = 1;
            const QStringList v = a.value(QLatin1String("viewBox")).toString().split(' ');
            box = QRectF(v.value(0).toDouble(), v.value(1).toDouble(), v.value(2).toDouble(),
                         v.value(3).toDouble());
        } else if (r.name() == QLatin1String("title")) {
            out.titles << r.readElementText();
        }
    }
    out.error = r.hasError() ? r.errorString() + " at line " + QString::number(r.lineNumber()) : "";
    return out;
}

TEST(HtmlReportXml, SamplePagesParseAndTheChartStaysInItsBox) {
    for (const char* name : {"fresh.clg", "thousand-points.clg"}) {
        SCOPED_TRACE(name);
        QFile f(QStringLiteral(COURTLOG_SAMPLES_DIR "/") + QString::fromLatin1(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        const DecodedMatch decoded = decodeMatch(std::string_view(bytes.constData(), bytes.size()));
        ASSERT_EQ(decoded.fatalError, 0);
        const Reading page = read(htmlReport(buildHistory(decoded.match)));
        EXPECT_TRUE(page.error.isEmpty()) << page.error.toStdString();
        EXPECT_GT(page.places, 0);
        EXPECT_TRUE(page.outside.isEmpty()) << page.outside.join('\n').toStdString();
    }
}

TEST(HtmlReportXml, NamesWithMarkupAndControlCharactersStayText) {
    testing::Harness h;
    h.rename(0, "A<b>&\"c\"");
    h.rename(1, "]]> <!-- D'Arco \x01");
    h.platform.inputAnswers = {"<script>x</script>"};
    h.form.NomeTorneo_Click();
    h.play("AAAA B");
    const std::vector<MatchHistory> matches{buildHistory(h.form.matchRecord())};
    for (const std::string& page : {htmlReport(matches[0]), htmlTotals(addUp(matches), matches)}) {
        const Reading reading = read(page);
        EXPECT_TRUE(reading.error.isEmpty()) << reading.error.toStdString();
        EXPECT_EQ(page.find("<script"), std::string::npos);
    }
    EXPECT_EQ(read(htmlReport(matches[0])).titles.value(0),
              QStringLiteral("A<b>&\"c\" – ]]> <!-- D'Arco ? · <script>x</script>"));
}

}  // namespace
}  // namespace courtlog
