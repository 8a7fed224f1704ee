// The pages read back as XML, and everything the chart draws lies inside its viewBox.
#include <gtest/gtest.h>

#include <QRectF>
#include <QXmlStreamReader>
#include <cmath>

#include "report/HtmlReport.h"
#include "storage/MatchFile.h"
#include "support/Harness.h"
#include "support/TempDir.h"

namespace courtlog {
namespace {

struct Reading {
    std::string error, title, outside;  // the lines of the places outside the chart's viewBox
    int places = 0;                     // drawn in the chart
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
        const auto at = [&](const char* n) {
            return a.hasAttribute(n) ? a.value(n).toDouble() : NAN;
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
                places.append({p.split(u',')[0].toDouble(), p.split(u',').value(1).toDouble()});
            }
            for (const QPointF& p : places) {
                // Both are missing where the element has no such attributes.
                const bool drawn = !std::isnan(p.x()) || !std::isnan(p.y());
                out.places += drawn ? 1 : 0;
                if (drawn && !box.contains(p)) {
                    out.outside += " " + std::to_string(r.lineNumber());
                }
            }
        } else if (r.name() == QLatin1String("svg")) {
            depth = 1;
            const QStringList v = a.value(QLatin1String("viewBox")).toString().split(' ');
            box = QRectF(v.value(0).toDouble(), v.value(1).toDouble(), v.value(2).toDouble(),
                         v.value(3).toDouble());
        } else if (r.name() == QLatin1String("title")) {
            out.title = r.readElementText().toStdString();
        }
    }
    if (r.hasError()) {
        out.error = r.errorString().toStdString() + " at line " + std::to_string(r.lineNumber());
    }
    return out;
}

TEST(HtmlReportXml, SamplePagesParseAndTheChartStaysInItsBox) {
    for (const std::string name : {"fresh.clg", "thousand-points.clg"}) {
        SCOPED_TRACE(name);
        const DecodedMatch decoded =
            decodeMatch(testing::TempDir::read(COURTLOG_SAMPLES_DIR "/" + name));
        ASSERT_FALSE(decoded.fatalError);
        const Reading page = read(htmlReport(summarizeMatch(decoded.match)));
        EXPECT_EQ(page.error, "");
        EXPECT_GT(page.places, 0);
        EXPECT_EQ(page.outside, "");
    }
}

TEST(HtmlReportXml, NamesWithMarkupAndControlCharactersStayText) {
    testing::Harness h;
    h.rename(0, "A<b>&\"c\"");
    h.rename(1, "]]> <!-- D'Arco \x01");
    h.platform.inputAnswers = {"<script>x</script>"};
    h.form.NomeTorneo_Click();
    h.play("AAAA B");
    const std::vector<MatchSummary> matches{summarizeMatch(h.form.matchRecord())};
    for (const std::string& page : {htmlReport(matches[0]), htmlTotals(addUp(matches), matches)}) {
        EXPECT_EQ(read(page).error, "");
        EXPECT_EQ(page.find("<script"), std::string::npos);
    }
    EXPECT_EQ(read(htmlReport(matches[0])).title,
              "A<b>&\"c\" – ]]> <!-- D'Arco ? · <script>x</script>");
}

}  // namespace
}  // namespace courtlog
