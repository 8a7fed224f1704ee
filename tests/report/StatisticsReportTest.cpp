// The detailed statistics in the reports, on a match made by hand whose figures are worked out
// here: the text at a position, the page's tables and bars, the totals and the CSV's times.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QXmlStreamReader>
#include <sstream>

#include "report/HtmlReport.h"
#include "report/PointLogCsv.h"
#include "report/Report.h"
#include "report/ReportCommand.h"
#include "storage/MatchFile.h"
#include "support/Harness.h"
#include "support/Page.h"
#include "support/TempDir.h"

namespace courtlog::report {
namespace {

using testing::has;
using Cells = std::vector<std::string>;

PointWord mark(int winner, std::initializer_list<std::pair<Attr, int>> marks = {}) {
    PointWord w = 0;
    CreaInfo(w, Attr::Punto, winner);
    for (const auto& [attr, value] : marks) {
        CreaInfo(w, attr, value);
    }
    return w;
}

// A takes the first set 6-0 to love, a point every 40 s (the tenth untimed). After an hour the
// second set opens on A's serve: an ace, a double fault, A's forehand winner, B's backhand
// forced error, B's unforced error on a smash against A's second serve; then B serves a service
// winner. In that set A won 4 of 5 on serve, 3 first serves in, 1 of 2 on the second.
MatchRecord handMade() {
    MatchRecord r;
    r.setsInMatch = 3;
    r.points.assign(24, mark(0));
    r.points.insert(r.points.end(),
                    {mark(0, {{Attr::AceDoppioFallo, 1}}),
                     mark(1, {{Attr::Servizio, 1}, {Attr::AceDoppioFallo, 2}}),
                     mark(0, {{Attr::DirittoRovescio, 1}, {Attr::ErroreVincente, 1}}),
                     mark(0, {{Attr::DirittoRovescio, 2}, {Attr::ErroreVincente, 3}}),
                     mark(0, {{Attr::Servizio, 1}, {Attr::Colpo, 6}, {Attr::ErroreVincente, 2}}),
                     mark(1, {{Attr::AceDoppioFallo, 3}})});
    r.start = "2026-06-01T10:00:00Z";
    for (int k = 0; k < 24; ++k) {
        r.times.push_back(k == 9 ? kNoTime : k * 40'000);
    }
    r.times.insert(r.times.end(),
                   {3'600'000, 3'630'000, 3'660'000, 3'700'000, 3'720'000, 3'765'000});
    return r;
}

// The cells after `caption` on its first row past `from`, columns being two blanks or more apart.
Cells row(const std::string& text, const std::string& from, const std::string& caption) {
    const std::size_t at = text.find("\n" + caption + "  ", text.find(from));
    const std::string line = text.substr(at + 1, text.find('\n', at + 1) - at - 1);
    Cells cells;
    for (const QString& c : QString::fromStdString(line).split(QRegularExpression(" {2,}"))) {
        cells.push_back(c.toStdString());
    }
    return {cells.begin() + 1, cells.end()};
}

TEST(StatisticsReport, TextGivesTheMatchAndEachSetAtThePosition) {
    testing::Harness h;
    h.form.applyMatch(handMade());
    const std::string text = renderText(h.form);
    const std::string set2 = "\nSet 2\n=====\nDurata: 2:45\nTempo mediano tra due punti: 0:30\n";
    ASSERT_TRUE(has(text, "\nPartita\n=======\nDurata: 1:02:45\n") && has(text, set2)) << text;
    EXPECT_LT(text.find("Statistiche Giocatore A"), text.find("\nPartita\n"));
    const std::vector<std::pair<std::string, Cells>> inSet2{
        {"Punti vinti", {"4", "2"}},
        {"Punti vinti al servizio", {"4/5 (80%)", "1/1 (100%)"}},
        {"Punti vinti in risposta", {"0/1 (0%)", "1/5 (20%)"}},
        {"Ace", {"1", "0"}},
        {"Doppi falli", {"1", "0"}},
        {"Servizi vincenti", {"0", "1"}},
        {"Prime palle in campo", {"3/5 (60%)", "1/1 (100%)"}},
        {"Punti vinti con la seconda", {"1/2 (50%)", "0/0"}},
        {"Palle break trasformate", {"0/0", "0/0"}},
        {"Punti di fila, al massimo", {"3", "1"}}};
    for (const auto& [caption, cells] : inSet2) {
        EXPECT_EQ(row(text, set2, caption), cells) << caption;
    }
    // Winners go to whoever won the point, errors to whoever lost it.
    const std::string second = text.substr(text.find(set2));
    const std::string shotsB = "\nVincenti ed errori di Giocatore B\n";
    EXPECT_EQ(row(text, set2, "Diritto"), (Cells{"1", "0", "0", "0"}));
    EXPECT_EQ(row(second, shotsB, "Rovescio"), (Cells{"0", "0", "1", "0"}));
    EXPECT_EQ(row(second, shotsB, "Smash"), (Cells{"0", "1", "0", "0"}));
    EXPECT_EQ(row(second, shotsB, "Diritto o rovescio non indicato"), (Cells{"0", "1", "0", "0"}));
    EXPECT_EQ(row(second, shotsB, "Totale"), (Cells{"0", "1", "1", "0"}));
    // The match: B lost all 12 points served in the first set, broken three times to love, and
    // A's run goes on into the second.
    EXPECT_EQ(row(text, "\nPartita\n", "Punti vinti al servizio"),
              (Cells{"16/17 (94%)", "1/13 (8%)"}));
    EXPECT_EQ(row(text, "\nPartita\n", "Palle break salvate"), (Cells{"0/0", "0/3 (0%)"}));
    EXPECT_EQ(row(text, "\nPartita\n", "Punti di fila, al massimo"), (Cells{"25", "1"}));
    // Back at the end of the first set, nothing of the second.
    h.form.goTo(24);
    const std::string atSetEnd = renderText(h.form);
    EXPECT_EQ(row(atSetEnd, "\nPartita\n", "Punti vinti"), (Cells{"24", "0"}));
    EXPECT_TRUE(has(atSetEnd, "\nSet 1\n") && !has(atSetEnd, "Set 2"));
}

// Each bar of a player's chart with the count written beside it, in page order.
std::vector<std::pair<double, int>> bars(const std::string& page) {
    std::vector<std::pair<double, int>> out;
    QXmlStreamReader r(QByteArray::fromStdString(page));
    double width = 0;
    while (!r.atEnd()) {
        r.readNext();
        width = r.isStartElement() && r.name() == u"svg" ? 0 : width;
        const auto cls = r.attributes().value("class");
        if (r.isStartElement() && cls.startsWith(u"barra ")) {
            width = r.attributes().value("width").toDouble();
        } else if (r.isStartElement() && cls.startsWith(u"valore")) {
            out.emplace_back(std::exchange(width, 0), r.readElementText().toInt());
        }
    }
    return out;
}

TEST(StatisticsReport, PageHasHeadedTablesAndBarsInProportion) {
    const std::string page = htmlReport(summarizeMatch(handMade()));
    const testing::Reading reading = testing::read(page);
    // The match and two sets, three tables each; two charts of 3 strokes and 8 shots.
    EXPECT_EQ(std::tuple(reading.count.at("table.dettaglio"), reading.count.at("table.colpi"),
                         reading.count.at("svg.barre"), bars(page).size()),
              std::tuple(9, 6, 2, std::size_t{2 * 11 * 4}));
    EXPECT_EQ(reading.outside, "");
    EXPECT_TRUE(has(page, "<th scope=\"row\">Punti vinti al servizio</th><td>16/17 (94%)</td>"));
    EXPECT_TRUE(has(page, "<th scope=\"col\">Errore forzato</th>"));
    EXPECT_TRUE(has(reading.labels, "Vincenti ed errori di Giocatore B per diritto e rovescio"));

    // Lengths follow the counts on one scale for both players; a count of one among a thousand
    // still shows, and a zero draws no bar but still says 0.
    MatchSummary m;
    m.players = {"A", "B"};
    auto& [a, b] = m.statistics.match.players;
    a.byStroke[1].winners = 40;
    a.byShot[3].unforcedErrors = 10;
    b.byShot[5].forcedErrors = 20;
    std::vector<std::pair<double, int>> drawn;
    for (const auto& [width, count] : bars(htmlReport(m))) {
        if (count > 0) {
            drawn.emplace_back(width / count, count);
        } else {
            EXPECT_EQ(width, 0);
        }
    }
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_NEAR(drawn[0].first, drawn[1].first, 0.05);
    EXPECT_NEAR(drawn[0].first, drawn[2].first, 0.05);
    b.byShot[5].forcedErrors = 1000;
    b.byShot[0].attemptedErrors = 1;
    const auto huge = bars(htmlReport(m));
    EXPECT_EQ(std::ranges::count(huge, std::pair(2.0, 1)), 1);
    EXPECT_EQ(std::ranges::max(huge).second, 1000);
    const std::string none = htmlReport(MatchSummary{});
    EXPECT_TRUE(std::ranges::all_of(bars(none), [](auto bar) { return bar == std::pair(0.0, 0); }));
    EXPECT_TRUE(has(testing::read(none).text, "Nessun vincente e nessun errore segnato"));
}

TEST(StatisticsReport, TotalsAddEveryFigureAndKeepTheLongerRun) {
    testing::TempDir dir;
    MatchRecord second;
    second.points = {mark(0, {{Attr::AceDoppioFallo, 1}}), mark(0, {{Attr::AceDoppioFallo, 1}}),
                     mark(0), mark(1, {{Attr::DirittoRovescio, 2}, {Attr::ErroreVincente, 1}})};
    testing::TempDir::write(dir.file("1.clg"), encodeMatch(handMade()));
    testing::TempDir::write(dir.file("2.clg"), encodeMatch(second));
    const auto total = [&](const QStringList& format) {
        std::ostringstream out, err;
        const QStringList arguments = QStringList{"courtlog-report", "--total"} + format +
                                      QStringList{QString::fromStdString(dir.file("1.clg")),
                                                  QString::fromStdString(dir.file("2.clg"))};
        EXPECT_EQ(runReport(arguments, out, err, {}), 0) << err.str();
        return out.str();
    };
    const std::string text = total({});
    const std::string figures = "\nPunti, servizio e palle break\n";
    EXPECT_LT(text.find("\nColpi vincenti:  "), text.find(figures));  // after what it had
    EXPECT_EQ(row(text, figures, "Ace"), (Cells{"3", "0"}));
    EXPECT_EQ(row(text, figures, "Punti vinti al servizio"), (Cells{"19/21 (90%)", "1/13 (8%)"}));
    EXPECT_EQ(row(text, figures, "Punti di fila, al massimo"), (Cells{"25", "1"}));
    EXPECT_EQ(row(text, "di Giocatore B\n", "Rovescio"), (Cells{"1", "0", "1", "0"}));
    testing::Reading page = testing::read(total({"--format", "html"}));
    EXPECT_EQ(std::tuple(page.count["table.dettaglio"], page.count["table.colpi"]),
              std::tuple(3, 2));
    EXPECT_TRUE(has(page.text, "\nPunti di fila, al massimo|25|1|\n"));
}

TEST(StatisticsReport, CsvTimesOnlyForATimedMatch) {
    const auto rows = [](const MatchRecord& r) {
        std::vector<std::string> out;
        std::istringstream csv(pointLogCsv(summarizeMatch(r)));
        for (std::string line; std::getline(csv, line);) {
            out.push_back(line.substr(line.rfind(',') + 1));
        }
        return out;
    };
    const std::vector<std::string> timed = rows(handMade());
    EXPECT_EQ((Cells{timed[0], timed[1], timed[10], timed[24], timed[30]}),
              (Cells{"Tempo\r", "0:00\r", "\r", "15:20\r", "1:02:45\r"}));
    MatchRecord untimed = handMade();
    untimed.times.clear();
    EXPECT_EQ(rows(untimed)[0], "Errore/Vincente\r");
    untimed.times.assign(untimed.points.size(), kNoTime);
    EXPECT_EQ(rows(untimed)[0], "Errore/Vincente\r");
}

}  // namespace
}  // namespace courtlog::report
