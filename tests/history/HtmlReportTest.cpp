#include "history/HtmlReport.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "support/Harness.h"
#include "support/MatchScript.h"

namespace courtlog {
namespace {

using testing::Harness;
using testing::MatchScript;

int occurrences(std::string_view text, std::string_view needle) {
    int n = 0;
    for (auto at = text.find(needle); at != std::string_view::npos;
         at = text.find(needle, at + needle.size())) {
        ++n;
    }
    return n;
}

// The page from the first place that begins with opening to the next end tag of this name.
std::string_view part(std::string_view page, std::string_view opening, std::string_view tag) {
    const auto start = page.find(opening);
    const auto end = page.find("</" + std::string(tag) + ">", start);
    if (start == std::string_view::npos || end == std::string_view::npos) {
        return {};
    }
    return page.substr(start, end - start);
}

std::string_view section(std::string_view page, std::string_view id, std::string_view tag) {
    return part(page, "id=\"" + std::string(id) + "\"", tag);
}

// Markup as a reader sees it: tags dropped, cells ended by "|", rows by a line break.
std::string plain(std::string_view markup) {
    std::string out;
    bool inTag = false;
    for (std::size_t i = 0; i < markup.size(); ++i) {
        const char c = markup[i];
        if (c == '<') {
            const std::string_view tag = markup.substr(i, 5);
            out += tag == "</td>" || tag == "</th>" ? "|" : tag == "</tr>" ? "\n" : "";
        }
        if (!inTag && c != '<') {
            out += c;
        }
        inTag = c == '<' ? true : c == '>' ? false : inTag;
    }
    return out;
}

std::string score(std::string_view page) {
    return plain(part(page, "<p class=\"punteggio\">", "p"));
}

MatchHistory played(const std::string& points) {
    Harness h;
    h.useThreeSets();
    h.rename(0, "Errani");
    h.rename(1, "Vinci");
    h.platform.messageAnswers = {MsgAnswer::No};  // no save at the end
    h.play(points);
    return buildHistory(h.form.matchRecord());
}

TEST(HtmlReport, FinishedMatchShowsScoreWinnerStatisticsAndEveryPoint) {
    MatchScript script;
    script.set(6, 4).tieBreakSet(5, 7).set(7, 5);
    const MatchHistory m = played(script.points());
    const std::string page = htmlReport(m);

    EXPECT_EQ(page.rfind("<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\"", 0), 0u);
    EXPECT_EQ(score(page), "6-4 6-7(5-7) 7-5");
    EXPECT_NE(page.find("Vince Errani, 2 set a 1"), std::string::npos);
    EXPECT_NE(page.find("<span class=\"giocatore vincitore\">Errani</span>"), std::string::npos);

    // The match's table, then one per set, captioned with its score.
    EXPECT_NE(section(page, "statistiche", "section")
                  .find("<th scope=\"row\">Punti vinti</th><td>" +
                        std::to_string(script.pointsWonBy('A')) + "</td><td>" +
                        std::to_string(script.pointsWonBy('B')) + "</td>"),
              std::string::npos);
    const std::string_view sets = section(page, "set", "section");
    EXPECT_EQ(occurrences(sets, "<caption>"), 3);
    EXPECT_NE(sets.find("<caption>2° set · 6-7(5-7)</caption>"), std::string::npos);

    const std::string_view log = section(page, "punti", "section");
    EXPECT_EQ(occurrences(log, "<tr class=\"punto"), static_cast<int>(script.points().size()));
    EXPECT_EQ(occurrences(log, "<tr class=\"punto tb"), 12);
    EXPECT_NE(log.find("<td>6-6</td><td>TB 0-0</td>"), std::string::npos);

    // One shaded tie-break with its legend, and a boundary labelled for each set.
    const std::string_view svg = section(page, "andamento", "svg");
    EXPECT_EQ(occurrences(svg, "class=\"tb\""), 1);
    EXPECT_NE(page.find("campione c-tb"), std::string::npos);
    EXPECT_EQ(occurrences(svg, "class=\"confine\""), 3);
    EXPECT_NE(svg.find(">6-7(5-7)</text>"), std::string::npos);
    // Breaks of serve are marked in the chart and in the log alike.
    int breaks = 0;
    for (const PointRow& r : m.points) {
        breaks += r.brokeServe;
    }
    ASSERT_GT(breaks, 0);
    EXPECT_EQ(occurrences(svg, "<circle"), breaks);
    EXPECT_EQ(occurrences(log, "<span class=\"tag\">break</span>"), breaks);
}

TEST(HtmlReport, MatchInProgressShowsTheSetsSoFarAndTheCurrentGame) {
    EXPECT_EQ(score(htmlReport(played(MatchScript().set(6, 4).points() + "AAAA BBBB AB"))),
              "6-4 1-1 · gioco 15-15");
    EXPECT_EQ(score(htmlReport(played(MatchScript().set(6, 6).points() + "AAB"))),
              "6-6 · tie-break 2-1");
    // Right after a set, the next one stands at love.
    const std::string page = htmlReport(played(MatchScript().set(6, 2).points()));
    EXPECT_EQ(score(page), "6-2 0-0 · gioco 0-0");
    EXPECT_NE(page.find("Partita in corso"), std::string::npos);
}

TEST(HtmlReport, PointsAfterTheEndAreListedButNotCharted) {
    MatchHistory m = played(MatchScript().set(6, 1).set(6, 2).points());
    const auto vertices = [](const std::string& page) {
        return occurrences(part(page, "<polyline points=", "svg"), ",");
    };
    const int charted = vertices(htmlReport(m));
    EXPECT_EQ(charted, static_cast<int>(m.points.size()) + 1);  // from the origin, then each point
    PointRow extra = m.points.back();
    extra.number += 1;
    extra.scored = false;
    extra.winner = 1;
    m.points.push_back(extra);
    const std::string page = htmlReport(m);
    EXPECT_EQ(vertices(page), charted);
    EXPECT_EQ(occurrences(page, "<tr class=\"punto"), static_cast<int>(m.points.size()));
    EXPECT_EQ(occurrences(page, " dopo\">"), 1);
    EXPECT_EQ(score(page), "6-1 6-2");
}

TEST(HtmlReport, EmptyMatchHasAnEmptyChartAndNoLog) {
    const std::string page = htmlReport(buildHistory(Harness().form.matchRecord()));
    EXPECT_NE(page.find("nessun punto registrato"), std::string::npos);
    EXPECT_EQ(page.find("<tr class=\"punto"), std::string::npos);
    EXPECT_NE(page.find("<td>N/D / N/D</td>"), std::string::npos);
    const std::string_view svg = section(page, "andamento", "svg");
    EXPECT_NE(svg.find("Nessun punto giocato"), std::string::npos);
    EXPECT_EQ(svg.find("polyline"), std::string::npos);
    EXPECT_EQ(svg.find("nan"), std::string::npos);
    EXPECT_EQ(page.find("campione c-tb"), std::string::npos);  // no tie-break, no legend for it
}

TEST(HtmlReport, TypedTextIsEscapedEverywhere) {
    Harness h;
    h.rename(0, "A<b>&\"c\"");
    h.rename(1, "D'Arco");
    h.platform.inputAnswers = {"R&D <Open>"};
    h.form.NomeTorneo_Click();
    h.play("AAAA B");
    const std::string page = htmlReport(buildHistory(h.form.matchRecord()));
    for (const char* raw : {"A<b>", "<Open>", "D'Arco", "R&D"}) {
        EXPECT_EQ(page.find(raw), std::string::npos) << raw;
    }
    // Title, heading, statistics, chart, legend and every log row all carry the name.
    EXPECT_GT(occurrences(page, "A&lt;b&gt;&amp;&quot;c&quot;"), 5 + 5);
    EXPECT_NE(page.find("<title>A&lt;b&gt;&amp;&quot;c&quot; – D&#39;Arco · R&amp;D &lt;Open&gt;"),
              std::string::npos);

    MatchHistory odd;
    odd.players = {"Bell\x07", "Tab\tOk"};
    const std::string control = htmlReport(odd);
    EXPECT_EQ(control.find('\x07'), std::string::npos);
    EXPECT_NE(control.find("Bell?"), std::string::npos);
}

TEST(HtmlReport, LongNamesAreCutOnlyWhereTheyRepeat) {
    std::string name(20, 'x');
    for (int i = 0; i < 25; ++i) {
        name += "è";  // two bytes each: a cut must fall between characters
    }
    Harness h;
    h.rename(0, name);
    h.play("A");
    const std::string page = htmlReport(buildHistory(h.form.matchRecord()));
    EXPECT_NE(part(page, "<h1>", "h1").find(name), std::string::npos);
    EXPECT_NE(part(page, "<tr class=\"punto", "tr").find("<td>" + name.substr(0, 28) + "…</td>"),
              std::string::npos);
}

TEST(HtmlTotals, ListsTheMatchesAndAddsUpEachPlayer) {
    Harness first;
    first.useThreeSets();
    first.rename(0, "Vinci");
    first.rename(1, "Pennetta");
    first.platform.inputAnswers = {"Palermo"};
    first.form.NomeTorneo_Click();
    first.platform.messageAnswers = {MsgAnswer::No};
    first.games("AAAAAA AAAAAA");
    Harness second;  // the other way round, unfinished: an ace and two more points served
    second.rename(0, "Pennetta");
    second.rename(1, "Vinci");
    second.play("*AAB");
    const std::vector<MatchHistory> matches{buildHistory(first.form.matchRecord()),
                                            buildHistory(second.form.matchRecord())};
    const std::string page = htmlTotals(addUp(matches), matches);

    EXPECT_NE(page.find("<h1>Totali di 2 partite</h1>"), std::string::npos);
    EXPECT_EQ(plain(part(section(page, "partite", "table"), "<tbody>", "tbody")),
              "1|Palermo|Vinci – Pennetta|6-0 6-0|Vince Vinci|\n"
              "2|Nome torneo|Pennetta – Vinci|0-0|In corso|\n");

    // Vinci served 24 points on first serves and won them all, and broke six times;
    // Pennetta served 28, all first serves, and won 3: 11% from the sums, not an average of
    // 0% and 75%.
    const std::string players =
        plain(part(section(page, "giocatori", "table"), "<tbody>", "tbody"));
    EXPECT_NE(players.find("Vinci|2|1|0|49|0|0|6 / "), std::string::npos) << players;
    EXPECT_NE(players.find("|100%|100%|N/D|\nPennetta|2|0|1|3|1|0|0 / 0|"), std::string::npos);
    EXPECT_NE(players.find("|100%|11%|N/D|\n"), std::string::npos);
}

}  // namespace
}  // namespace courtlog
