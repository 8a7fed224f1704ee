#include "report/HtmlReport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>

#include "support/Harness.h"
#include "support/MatchScript.h"

namespace courtlog {
namespace {

using testing::Harness;
using testing::MatchScript;

bool has(const std::string& text, const std::string& needle) {
    return text.find(needle) != std::string::npos;
}

long count(const std::string& text, const std::string& pattern) {
    const std::regex re(pattern);
    return std::distance(std::sregex_iterator(text.begin(), text.end(), re),
                         std::sregex_iterator());
}

// The page from the first place that begins with opening to the next end tag of this name.
std::string part(const std::string& page, const std::string& opening, const std::string& tag) {
    const auto start = std::min(page.find(opening), page.size());
    return page.substr(start, page.find("</" + tag + ">", start) - start);
}

// Markup as a reader sees it: tags dropped, cells ended by "|", rows by a line break.
std::string plain(const std::string& markup) {
    const std::string cells = std::regex_replace(markup, std::regex("</t[dh]>"), "|");
    return std::regex_replace(std::regex_replace(cells, std::regex("</tr>"), "\n"),
                              std::regex("<[^>]*>"), "");
}

std::string score(const std::string& page) {
    return plain(part(page, "<p class=\"punteggio\">", "p"));
}

// Long enough to be cut in the log, with two bytes to each of its last letters.
const std::string kLongName = std::string(20, 'x') + "èèèèèèèèèèèèèèèèèèèèèèèèè";

MatchSummary played(const std::string& points) {
    Harness h;
    h.useThreeSets();
    h.rename(0, "Errani");
    h.rename(1, kLongName);
    h.platform.messageAnswers = {MsgAnswer::No};  // no save at the end
    h.play(points);
    return summarizeMatch(h.form.matchRecord());
}

TEST(HtmlReport, FinishedMatchShowsScoreWinnerStatisticsChartAndEveryPoint) {
    MatchScript script;
    script.set(6, 4).tieBreakSet(5, 7).set(7, 5);
    const MatchSummary m = played(script.points());
    const std::string page = htmlReport(m);
    EXPECT_EQ(score(page), "6-4 6-7(5-7) 7-5");
    EXPECT_TRUE(has(page, "Vince Errani, 2 set a 1"));
    EXPECT_TRUE(has(page, "<th scope=\"row\">Punti vinti</th><td>" +
                              std::to_string(script.pointsWonBy('A')) + "</td><td>" +
                              std::to_string(script.pointsWonBy('B')) + "</td>"));
    EXPECT_TRUE(has(page, "<caption>2° set · 6-7(5-7)</caption>"));
    EXPECT_EQ(count(page, "<tr class=\"punto"), static_cast<long>(m.points.size()));
    // The heading keeps a long name whole; the log, where it repeats, cuts it between letters.
    EXPECT_TRUE(has(part(page, "<h1>", "h1"), kLongName));
    EXPECT_TRUE(has(page, "<td>" + kLongName.substr(0, 28) + "…</td>"));
    // The one tie-break is shaded, and every break of serve is marked.
    const std::string chart = part(page, "id=\"andamento\"", "svg");
    EXPECT_EQ(count(chart, "class=\"tb\""), 1);
    int breaks = 0;
    for (const PointRow& r : m.points) {
        breaks += r.brokeServe;
    }
    EXPECT_GT(breaks, 0);
    EXPECT_EQ(count(chart, "<circle"), breaks);
}

TEST(HtmlReport, MatchInProgressOrNotBegunShowsWhereItStands) {
    const std::pair<std::string, std::string> cases[] = {
        {MatchScript().set(6, 4).points() + "AAAA BBBB AB", "6-4 1-1 · gioco 15-15"},
        {MatchScript().set(6, 6).points() + "AAB", "6-6 · tie-break 2-1"},
        {MatchScript().set(6, 2).points(), "6-2 0-0 · gioco 0-0"},  // the next set at love
    };
    for (const auto& [points, expected] : cases) {
        const std::string page = htmlReport(played(points));
        EXPECT_EQ(score(page), expected);
        EXPECT_TRUE(has(page, "Partita in corso")) << expected;
    }
    const std::string empty = htmlReport(summarizeMatch(Harness().form.matchRecord()));
    EXPECT_TRUE(has(empty, "nessun punto registrato"));
    EXPECT_TRUE(has(empty, "<td>N/D / N/D</td>"));  // no percentage of nothing
}

TEST(HtmlReport, PointsAfterTheEndAreListedButNotCharted) {
    MatchSummary m = played(MatchScript().set(6, 1).set(6, 2).points());
    const auto vertices = [](const std::string& page) {
        return count(part(page, "<polyline points=", "svg"), ",");
    };
    const long charted = vertices(htmlReport(m));
    EXPECT_EQ(charted, static_cast<long>(m.points.size()) + 1);  // from the origin, then each point
    PointRow extra = m.points.back();
    extra.number += 1;
    extra.scored = false;
    m.points.push_back(extra);
    const std::string page = htmlReport(m);
    EXPECT_EQ(vertices(page), charted);
    EXPECT_EQ(count(page, " dopo\">"), 1);
    EXPECT_EQ(score(page), "6-1 6-2");
    EXPECT_FALSE(has(page, "class=\"tb\""));  // no tie-break, nothing shaded
}

TEST(HtmlTotals, ListsTheMatchesAndAddsUpEachPlayer) {
    Harness first;
    first.useThreeSets();
    first.rename(0, "Vinci");
    first.rename(1, "Pennetta");
    first.platform.messageAnswers = {MsgAnswer::No};
    first.games("AAAAAA AAAAAA");
    Harness second;  // the other way round, unfinished: an ace and two more points served
    second.rename(0, "Pennetta");
    second.rename(1, "Vinci");
    second.play("*AAB");
    const std::vector<MatchSummary> matches{summarizeMatch(first.form.matchRecord()),
                                            summarizeMatch(second.form.matchRecord())};
    const std::string page = plain(htmlTotals(addUp(matches), matches));
    EXPECT_TRUE(has(page,
                    "1|Nome torneo|Vinci – Pennetta|6-0 6-0|Vince Vinci|\n"
                    "2|Nome torneo|Pennetta – Vinci|0-0|In corso|\n"));
    // Pennetta won 3 of 28 points on first serve: 11% from the sums, not an average of 0% and
    // 75%.
    EXPECT_TRUE(has(page, "Pennetta|2|0|1|3|0 / 0|1 / 0|100%|11% / N/D|0|0|\n"));
}

}  // namespace
}  // namespace courtlog
