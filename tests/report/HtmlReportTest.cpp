// The match and totals pages, read back as XML.
#include "report/HtmlReport.h"

#include "storage/MatchFile.h"
#include "support/Harness.h"
#include "support/MatchScript.h"
#include "support/Page.h"
#include "support/TempDir.h"

namespace courtlog {
namespace {

using testing::has;
using testing::MatchScript;
using testing::read;
using testing::Reading;

// Long enough to be cut in the log, with two bytes to each of its last letters.
const std::string kLongName = std::string(20, 'x') + "èèèèèèèèèèèèèèèèèèèèèèèèè";
const std::string kName24 = "Roberta Vinci di Taranto";  // as long as the log shows whole

// Points as Harness::play takes them; a '2' puts the next point on the second serve.
MatchSummary played(const std::string& points) {
    testing::Harness h;
    h.useThreeSets();
    h.rename(0, kName24);
    h.rename(1, kLongName);
    h.platform.messageAnswers = {MsgAnswer::No};  // no save at the end
    for (const char c : points) {
        c == '2' ? h.form.SelectOption(Panel::Servizio, 1) : h.play(std::string(1, c));
    }
    return summarizeMatch(h.form.matchRecord());
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
            << points << "\n"
            << page;
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
        EXPECT_GT(reading.places, 0);
        EXPECT_EQ(reading.outside, "");
        // An HTML reader takes the style sheet as it stands: nothing in it may be escaped.
        EXPECT_TRUE(has(reading.style, "@media print") &&
                    has(page, "<style>" + reading.style + "</style>"));
    }
}

TEST(HtmlReport, NamesWithMarkupAndControlCharactersStayText) {
    MatchSummary m = played("AAAA B");
    m.players = {"A<b>&\"c\"", "]]> <!-- D'Arco \x01"};
    m.tournament = "<script>x</script>";
    const Reading page = read(htmlReport(m));
    EXPECT_EQ(page.count.count("script") + read(htmlTotals(addUp({m}), {m})).count.count("script"),
              0u);
    EXPECT_TRUE(has(page.text, "\nA<b>&\"c\" – ]]> <!-- D'Arco ? · <script>x</script>\n"));
}

TEST(HtmlTotals, ListsTheMatchesAndAddsUpEachPlayer) {
    std::vector<MatchSummary> matches{played(std::string(48, 'A')), played("*AAB")};
    matches[0].players = {"Vinci", "Pennetta"};
    matches[1].players = {"Pennetta", "Vinci"};  // unfinished: an ace and two more points served
    ASSERT_EQ(addUp(matches).size(), 2u);
    const std::string page = read(htmlTotals(addUp(matches), matches)).text;
    EXPECT_TRUE(has(page, "\nTotali di 2 partite\n"));
    EXPECT_TRUE(has(page,
                    "1|Nome torneo|Vinci – Pennetta|6-0 6-0|Vince Vinci|\n"
                    "2|Nome torneo|Pennetta – Vinci|0-0|In corso|\n"));
    // Pennetta won 3 of 28 points on first serve: 11% from the sums, not an average of 0% and
    // 75%.
    EXPECT_TRUE(has(page, "\nPennetta|2|0|1|3|0 / 0|1 / 0|100%|11% / N/D|0|0|\n"));
}

}  // namespace
}  // namespace courtlog
