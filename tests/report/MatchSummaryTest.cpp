#include "report/MatchSummary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "report/PointLogCsv.h"
#include "support/Harness.h"
#include "support/MatchScript.h"

namespace courtlog {
namespace {

using testing::Harness;
using testing::MatchScript;

TEST(MatchSummary, SetsAndTotalsOfAFinishedMatchAgreeWithTheWindow) {
    const auto script = MatchScript().tieBreakSet(7, 3).tieBreakSet(5, 7).set(6, 4);
    Harness h;
    h.useThreeSets();
    h.platform.messageAnswers = {MsgAnswer::No};
    h.play(script.points());
    const MatchSummary m = summarizeMatch(h.form.matchRecord());

    EXPECT_EQ(scoreParts(m), (std::vector<std::string>{"7-6(7-3)", "6-7(5-7)", "6-4"}));
    EXPECT_EQ(m.winner, 0);
    // The sets cover every point once, and their counts add up to the window's.
    ASSERT_EQ(m.points.size(), script.points().size());
    std::array<PlayerCounts, 2> sum;
    std::vector<int> winners;
    int covered = 0;
    for (const SetSummary& s : m.sets) {
        EXPECT_EQ(s.firstPoint, std::exchange(covered, s.endPoint));
        winners.push_back(s.winner);
        sum[0] += s.counts[0];
        sum[1] += s.counts[1];
    }
    EXPECT_EQ(covered, static_cast<int>(m.points.size()));
    EXPECT_EQ(winners, (std::vector<int>{0, 1, 0}));
    for (int p = 0; p < 2; ++p) {
        EXPECT_EQ(std::tuple(sum[p].won, sum[p].breaksMade, m.totals[p].won),
                  std::tuple(h.form.score().pointsWon[p], h.form.score().breaks[p], sum[p].won));
    }
    EXPECT_EQ(m.points.back().diffAfter, script.pointsWonBy('A') - script.pointsWonBy('B'));
    // An index other than 1 names player A rather than running off the pair; a round past the
    // list is none.
    EXPECT_EQ(player(m, 1) + ", " + player(m, 2), "Giocatore B, Giocatore A");
    MatchRecord rounds[2];
    rounds[0].round = 7;
    rounds[1].round = 8;
    EXPECT_EQ(summarizeMatch(rounds[0]).round.italian() + summarizeMatch(rounds[1]).round.italian(),
              "Finale");
}

TEST(PointLogCsv, OneRowPerPointWithThePositionBeforeItAndNamesAsText) {
    const std::string points = MatchScript().set(6, 4).tieBreakSet(7, 5).points();
    Harness h;
    h.useThreeSets();
    h.rename(0, "Rossi, \"Bobo\"");
    h.rename(1, "=SOMMA(A1)");
    h.platform.messageAnswers = {MsgAnswer::No};
    h.form.SelectOption(Panel::DirittoRovescio, 2);
    h.form.SelectOption(Panel::Colpo, 5);
    h.play("A*");  // a backhand passing shot and an ace, then the rest of the script
    h.play(points.substr(2));
    std::vector<std::string> rows;
    const std::string csv = pointLogCsv(summarizeMatch(h.form.matchRecord()));
    for (std::size_t at = 0, end; (end = csv.find("\r\n", at)) != std::string::npos; at = end + 2) {
        rows.push_back(csv.substr(at, end - at));
    }

    ASSERT_EQ(rows.size(), points.size() + 1);
    EXPECT_EQ(rows[0],
              "Punto,Set,Game A,Game B,Punti A,Punti B,Tie-break,Al servizio,Vince,Servizio,"
              "Esito del servizio,Diritto/Rovescio,Colpo,Errore/Vincente");
    // A name with a separator or quotes is quoted; one that starts like a formula is never run.
    const std::string a = "\"Rossi, \"\"Bobo\"\"\",";
    EXPECT_EQ(rows[1], "1,1,0,0,0,0,," + a + a + "Prima palla,,Rovescio,Passante,Vincente");
    EXPECT_EQ(rows[2], "2,1,0,0,15,0,," + a + a + "Prima palla,Ace,,,");
    EXPECT_EQ(rows[5], "5,1,1,0,0,0,,'=SOMMA(A1),'=SOMMA(A1),Prima palla,,,,");
    // The second set's tie-break is logged with its points and the games at six all.
    EXPECT_EQ(
        std::ranges::count_if(rows, [](const auto& r) { return r.find(",2,6,6,") != r.npos; }), 12);
    EXPECT_NE(rows.back().find(",6,6,6,5,sì,"), std::string::npos);  // the point that won 7-5
}

}  // namespace
}  // namespace courtlog
