// The match and totals pages, read back as XML; and the detailed statistics in every report.
#include "report/HtmlReport.h"

#include <QRegularExpression>

#include "report/PointLogCsv.h"
#include "report/Report.h"
#include "report/StatisticsJson.h"
#include "storage/MatchFile.h"
#include "support/MatchBuilder.h"
#include "support/Page.h"
#include "support/QtPrinting.h"
#include "support/TempDir.h"

namespace courtlog::report {
namespace {

using testing::has;
using testing::kBestOfThree;
using testing::MatchScript;
using testing::read;
using testing::Reading;
using testing::word;

// Long enough to be cut in the log, with two bytes to each of its last letters.
const std::string kLongName = std::string(20, 'x') + "èèèèèèèèèèèèèèèèèèèèèèèèè";
const std::string kName24 = "Roberta Vinci di Taranto";  // as long as the log shows whole

// Points as MatchBuilder::play takes them.
MatchSummary played(const std::string& points) {
    return summarizeMatch(
        testing::MatchBuilder(kBestOfThree).names(kName24, kLongName).play(points).record());
}

TEST(HtmlReport, FinishedMatchShowsScoreWinnerSetsChartAndEveryPoint) {
    MatchSummary m = played(MatchScript().set(6, 4).tieBreakSet(5, 7).set(7, 5).points());
    const std::string html = htmlReport(m);
    Reading page = read(html);
    const int points = static_cast<int>(m.points.size());
    EXPECT_TRUE(has(page.text, "\n6-4 6-7(5-7) 7-5\nVince " + kName24 + ", 2 set a 1 · " +
                                   std::to_string(points) + " punti\n"));
    EXPECT_TRUE(has(html, "<span class=\"giocatore vincitore\">" + kName24 + "</span>"));
    EXPECT_TRUE(has(page.text, "\n2° set · 6-7(5-7)\n"));
    // The heading keeps a long name whole; the log, where it repeats, cuts it between letters.
    EXPECT_TRUE(has(page.text, kName24 + " – " + kLongName + "\n"));
    EXPECT_TRUE(has(page.text, "\n1|1|0-0|0-0|" + kName24 + "|" + kName24 + "|Prima palla|||"));
    EXPECT_TRUE(has(page.text, "|" + kLongName.substr(0, 28) + "…|"));
    // One winner, a row per point; the one tie-break shaded in the chart and the log; a zero
    // line; the widths of the match's and each set's table, and of the three detailed tables of
    // each; and every break of serve marked.
    const int breaks = static_cast<int>(std::ranges::count(m.points, true, &PointRow::brokeServe));
    EXPECT_GT(breaks, 0);
    auto& n = page.count;
    EXPECT_EQ((std::vector{n["span.vincitore"], n["tr.punto"], n["rect.tb"], n["tr.tb"],
                           n["line.zero"], n["col.voce"], n["circle"], n["span.tag"]}),
              (std::vector{1, points, 1, 12, 1, 4 + 4 * 3, breaks, breaks}));
    // A point recorded after the end is listed, with a note, but not charted.
    EXPECT_FALSE(has(page.text, "dopo la fine della partita"));
    m.points.push_back(m.points.back());
    m.points.back().scored = false;
    Reading after = read(htmlReport(m));
    EXPECT_EQ(std::pair(after.places, after.count["tr.dopo"]), std::pair(page.places, 1));
    EXPECT_TRUE(has(after.text, "dopo la fine della partita") &&
                has(after.text, "\n6-4 6-7(5-7) 7-5\nVince "));

    // Names with markup and control characters stay text.
    m.players = {"A<b>&\"c\"", "]]> <!-- D'Arco \x01"};
    m.tournament = "<script>x</script>";
    const Reading named = read(htmlReport(m));
    EXPECT_EQ(named.count.count("script") + read(htmlTotals(addUp({m}), {m})).count.count("script"),
              0u);
    EXPECT_TRUE(has(named.text, "\nA<b>&\"c\" – ]]> <!-- D'Arco ? · <script>x</script>\n"));
}

TEST(HtmlReport, WhereTheMatchStandsServeSharesAndAxes) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases{
        {MatchScript().set(6, 4).points() + "AAAA BBBB AB", {"\n6-4 1-1 · gioco 15-15\n"}},
        {MatchScript().set(6, 6).points() + "AAB", {"\n6-6 · tie-break 2-1\n"}},
        {MatchScript().set(6, 2).points(), {"\n6-2 0-0 · gioco 0-0\n"}},  // the next set at love
        {MatchScript().set(4, 6).set(2, 6).points(), {"\nVince " + kLongName + ", 2 set a 0 · "}},
        {"", {"nessun punto registrato", "Punti con 1°/2°|N/D / N/D|N/D / N/D|"}},
        {"2A", {"Partita in corso · 1 punto\n", "Punti con 1°/2°|N/D / 100%|N/D / N/D|"}},
        {"A!", {"% Prime palle|50%|0%|", "Punti con 1°/2°|100% / 0%|N/D / N/D|"}},
        // The axes in steps of 1, 2 or 5 times a power of ten: at most 8 up the side, 10 along.
        {"", {"\n2 1 0 1 2 punti giocati Nessun punto giocato "}},
        {std::string(10, 'A'), {"\n5 0 5 10 15 0 1 2 3 4 5 6 7 8 9 10 punti"}},
        {std::string(11, 'A'), {"\n5 0 5 10 15 0 2 4 6 8 10 punti"}},
        {std::string(20, 'A'), {"\n10 5 0 5 10 15 20 25 0 2 4 6 8 10 12 14 16 18 20 punti"}},
        {std::string(21, 'A'), {"\n10 5 0 5 10 15 20 25 30 0 5 10 15 20 punti"}},
    };
    for (const auto& [points, expected] : cases) {
        const std::string page = read(htmlReport(played(points))).text;
        EXPECT_TRUE(std::ranges::all_of(expected, [&](const auto& e) { return has(page, e); }))
            << points + "\n" + page;
    }
}

TEST(HtmlReport, SamplePagesStandAloneAndTheChartStaysInItsBox) {
    for (const std::string name : {"fresh.clg", "thousand-points.clg"}) {
        SCOPED_TRACE(name);
        const std::string page = htmlReport(summarizeMatch(
            decodeMatch(testing::TempDir::read(COURTLOG_SAMPLES_DIR "/" + name)).match));
        EXPECT_TRUE(page.starts_with(
            "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"it\""));
        const Reading reading = read(page);
        EXPECT_EQ(std::tuple(reading.places > 0, reading.outside), std::tuple(true, ""));
        // An HTML reader takes the style sheet as it stands: nothing in it may be escaped.
        EXPECT_TRUE(has(reading.style, "@media print") &&
                    has(page, "<style>" + reading.style + "</style>"));
    }
}

// The detailed statistics in the reports, on a match made by hand whose figures are worked out
// here: the text at a position and the CSV's times, the page's tables and bars, the totals.

// A takes the first set 6-0 to love, a point every 40 s (the tenth untimed). After an hour the
// second set opens on A's serve: an ace, a double fault, A's forehand winner, B's backhand
// forced error, B's unforced error on a smash against A's second serve; then B serves a service
// winner. In that set A won 4 of 5 on serve, 3 first serves in, 1 of 2 on the second.
MatchRecord handMade() {
    MatchRecord r;
    r.rules = kBestOfThree;
    r.points.assign(24, word({}));
    r.points.insert(
        r.points.end(),
        {word({.outcome = 1}), word({.winner = 1, .second = 1, .outcome = 2}),
         word({.stroke = 1, .ending = 1}), word({.stroke = 2, .ending = 3}),
         word({.second = 1, .shot = 6, .ending = 2}), word({.winner = 1, .outcome = 3})});
    r.start = "2026-06-01T10:00:00Z";
    for (int k = 0; k < 24; ++k) {
        r.times.push_back(k == 9 ? kNoTime : k * 40'000);
    }
    r.times.insert(r.times.end(),
                   {3'600'000, 3'630'000, 3'660'000, 3'700'000, 3'720'000, 3'765'000});
    return r;
}

// The cells after each caption on its first row past `from`, columns being two blanks or more
// apart, joined by "|".
QStringList rows(const std::string& text, const std::string& from,
                 std::initializer_list<std::string> captions) {
    QStringList out;
    for (const std::string& caption : captions) {
        const std::size_t at =
            text.find("\n" + caption + "  ", text.find(from)) + 1 + caption.size();
        out << QString::fromStdString(text.substr(at, text.find('\n', at) - at))
                   .replace(QRegularExpression(" {2,}"), "|")
                   .mid(1);
    }
    return out;
}

TEST(StatisticsReport, TextGivesTheMatchAndEachSetAtThePosition) {
    MatchSession session;
    session.replace(handMade());
    const std::string text = renderText(session);
    const std::string set2 = "\nSet 2\n=====\nDurata: 2:45\nTempo mediano tra due punti: 0:30\n";
    ASSERT_TRUE(has(text, "\nPartita\n=======\nDurata: 1:02:45\n") && has(text, set2)) << text;
    EXPECT_LT(text.find("Statistiche Giocatore A"), text.find("\nPartita\n"));
    // Each caption over its own figure, the only place where a row could show another's: the
    // model's test sums the figures by hand, the window compares with the same tables.
    EXPECT_EQ(rows(text, set2,
                   {"Punti vinti", "Punti vinti al servizio", "Punti vinti in risposta", "Ace",
                    "Doppi falli", "Servizi vincenti", "Prime palle in campo",
                    "Punti vinti con la seconda", "Punti di fila, al massimo"}),
              QStringList({"4|2", "4/5 (80%)|1/1 (100%)", "0/1 (0%)|1/5 (20%)", "1|0", "1|0", "0|1",
                           "3/5 (60%)|1/1 (100%)", "1/2 (50%)|0/0", "3|1"}));
    // Winners go to whoever won the point, errors to whoever lost it, each in its column.
    EXPECT_EQ(rows(text, set2, {"Diritto"}) +
                  rows(text.substr(text.find(set2)), "\nVincenti ed errori di Giocatore B\n",
                       {"Rovescio", "Smash", "Diritto o rovescio non indicato", "Totale"}),
              QStringList({"1|0|0|0", "0|0|1|0", "0|1|0|0", "0|1|0|0", "0|1|1|0"}));
    // The match: A's run goes on from the first set into the second.
    EXPECT_EQ(rows(text, "\nPartita\n",
                   {"Palle break trasformate", "Palle break salvate", "Punti di fila, al massimo"}),
              QStringList({"3/3 (100%)|0/0", "0/0|0/3 (0%)", "25|1"}));
    // Back at the end of the first set, nothing of the second.
    session.goTo(24);
    const std::string atSetEnd = renderText(session);
    EXPECT_EQ(rows(atSetEnd, "\nPartita\n", {"Punti vinti"}), QStringList{"24|0"});
    EXPECT_TRUE(has(atSetEnd, "\nSet 1\n") && !has(atSetEnd, "Set 2"));
}

// With a video, the page shows it at the top, hidden in print (the browser's test), and each
// row with a moment plays the point's clip; moments without a video change nothing.
TEST(HtmlReport, RowsWithAMomentPlayTheirClipInTheVideo) {
    MatchRecord r = handMade();
    r.videoMs.assign(r.points.size(), kNoTime);
    // The first clip starts at the video's start; the next from the moment before it, or 25 s
    // before its own when that is later. Without a video, the moments change nothing.
    for (const auto& [k, ms] : {std::pair{0, 20'000}, {1, 30'000}, {2, 190'250}, {29, 5'000'000}}) {
        r.videoMs[k] = ms;
    }
    EXPECT_EQ(htmlReport(summarizeMatch(r)), htmlReport(summarizeMatch(handMade())));
    // The point log gives them to the millisecond, after the times (the tenth point has neither),
    // and without them is the same but for that column; the JSON where there is one.
    const std::string csv = pointLogCsv(summarizeMatch(r));
    const QJsonArray json = pointsJson(summarizeMatch(r));
    EXPECT_TRUE(has(csv, ",Tempo,Video\r\n") && has(csv, ",0:00,0:00:20.000\r\n") &&
                has(csv, ",2:00,\r\n") && has(csv, ",,\r\n") &&
                has(csv, ",1:02:45,1:23:20.000\r\n") && json[1]["videoMs"] == 30'000 &&
                !json[3].toObject().contains("videoMs"));
    EXPECT_EQ(QString::fromStdString(csv).replace(QRegularExpression(",[^,\r]*\r\n"), "\r\n"),
              QString::fromStdString(pointLogCsv(summarizeMatch(handMade()))));
    r.video.file = "/tmp/a b/partita è#1.mp4";
    const std::string page = htmlReport(summarizeMatch(r));
    const Reading reading = read(page);
    QStringList clips;
    for (const auto& m : QRegularExpression("data-clip=\"([^\"]*)\"").globalMatch(page.c_str())) {
        clips << m.captured(1);
    }
    EXPECT_EQ(clips.join(' '), "0.000 20.000 165.250 4975.000");
    // The video by its absolute URL; the script and its style as written, since an HTML reader
    // does not unescape them.
    EXPECT_TRUE(
        has(page, R"(preload="metadata" src="file:///tmp/a%20b/partita%20%C3%A8%231.mp4")") &&
        has(page, "<style>" + reading.style + "</style>") &&
        has(page, "<script>" + reading.script + "</script>"));
}

// Each bar of a player's chart with the count written beside it, in page order; a count
// drawn without a bar has width 0.
std::vector<std::pair<double, int>> bars(const std::string& page) {
    static const QRegularExpression bar(
        R"-((?:width="([\d.]+)"[^>]*class="barra [^>]*>\s*)?<text [^>]*class="valore[^>]*>(\d+)<)-");
    std::vector<std::pair<double, int>> out;
    for (const auto& m : bar.globalMatch(QString::fromStdString(page))) {
        out.emplace_back(m.captured(1).toDouble(), m.captured(2).toInt());
    }
    return out;
}

TEST(StatisticsReport, PageHasHeadedTablesAndBarsInProportion) {
    const std::string page = htmlReport(summarizeMatch(handMade()));
    const testing::Reading reading = testing::read(page);
    // The match and two sets, three tables each; two charts of the 6 strokes and shots that
    // have a count, 4 bars each.
    EXPECT_EQ(std::tuple(reading.count.at("table.dettaglio"), reading.count.at("table.colpi"),
                         reading.count.at("svg.barre"), bars(page).size()),
              std::tuple(9, 6, 2, std::size_t{6 * 4}));
    EXPECT_TRUE(has(page, "<th scope=\"row\">Punti vinti al servizio</th><td>16/17 (94%)</td>") &&
                has(page, "<th scope=\"col\">Errore forzato</th>"));
    EXPECT_TRUE(has(reading.labels, "Vincenti ed errori di Giocatore B per diritto e rovescio"));

    // Lengths follow the counts on one scale for both players; a count of one among a thousand
    // still shows, and a zero draws no bar but still says 0 beside the stroke's or shot's
    // other counts; one with no count at all is left out.
    MatchSummary m;
    auto& [a, b] = m.statistics.match.players;
    a.byStroke[1].winners = 40;
    a.byShot[3].unforcedErrors = 10;
    b.byShot[5].forcedErrors = 20;
    std::vector<double> scales;  // width per count of each bar drawn
    ASSERT_EQ(bars(htmlReport(m)).size(), 3u * 4);
    for (const auto& [width, count] : bars(htmlReport(m))) {
        EXPECT_TRUE(count > 0 || width == 0) << width;
        if (count > 0) {
            scales.push_back(width / count);
        }
    }
    ASSERT_EQ(scales.size(), 3u);
    EXPECT_NEAR(std::ranges::min(scales), std::ranges::max(scales), 0.05);
    b.byShot[5].forcedErrors = 1000;
    b.byShot[0].attemptedErrors = 1;
    const auto huge = bars(htmlReport(m));
    EXPECT_EQ(std::ranges::count(huge, std::pair(2.0, 1)), 1);
    EXPECT_EQ(std::ranges::max(huge).second, 1000);
    const std::string none = htmlReport(MatchSummary{});
    EXPECT_TRUE(bars(none).empty());
    EXPECT_TRUE(has(testing::read(none).text, "Nessun vincente e nessun errore segnato"));
}

TEST(StatisticsReport, TotalsListTheMatchesAddEveryFigureAndKeepTheLongerRun) {
    MatchRecord second;
    second.points = {word({.outcome = 1}), word({.outcome = 1}), word({}),
                     word({.winner = 1, .stroke = 2, .ending = 1})};
    const std::vector<MatchSummary> matches{summarizeMatch(handMade()), summarizeMatch(second)};
    const std::string text = renderTotalsText(addUp(matches), matches);
    const std::string figures = "\nPunti, servizio e palle break\n";
    EXPECT_LT(text.find("\nColpi vincenti:  "), text.find(figures));  // after what it had
    EXPECT_EQ(rows(text, figures, {"Punti vinti al servizio", "Punti di fila, al massimo"}) +
                  rows(text, "di Giocatore B\n", {"Rovescio"}),
              QStringList({"19/21 (90%)|1/13 (8%)", "25|1", "1|0|1|0"}));
    testing::Reading page = testing::read(htmlTotals(addUp(matches), matches));
    EXPECT_EQ(std::tuple(page.count["table.dettaglio"], page.count["table.colpi"]),
              std::tuple(3, 2));
    EXPECT_TRUE(has(page.text, "\nPunti di fila, al massimo|25|1|\n"));

    // The page lists the matches and adds up each player.
    std::vector<MatchSummary> listed{played(std::string(48, 'A')), played("*AAB")};
    listed[0].players = {"Vinci", "Pennetta"};
    listed[1].players = {"Pennetta", "Vinci"};  // unfinished: an ace and two more points served
    ASSERT_EQ(addUp(listed).size(), 2u);
    const std::string totals = read(htmlTotals(addUp(listed), listed)).text;
    EXPECT_TRUE(has(totals, "\nTotali di 2 partite\n") &&
                has(totals,
                    "1|Nome torneo|Vinci – Pennetta|6-0 6-0|Vince Vinci|\n"
                    "2|Nome torneo|Pennetta – Vinci|0-0|In corso|\n"));
    // Pennetta won 3 of 28 points on first serve: 11% from the sums, not an average of 0% and
    // 75%.
    EXPECT_TRUE(has(totals, "\nPennetta|2|0|1|3|0 / 0|1 / 0|100%|11% / N/D|0|0|\n"));
}

}  // namespace
}  // namespace courtlog::report
