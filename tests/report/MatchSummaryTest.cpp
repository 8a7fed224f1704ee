#include "report/MatchSummary.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "report/PointLogCsv.h"
#include "support/Harness.h"
#include "support/MatchScript.h"

namespace courtlog {
namespace {

using testing::Harness;
using testing::MatchScript;

TEST(MatchSummary, SetsAndTotalsOfAFinishedMatchAgreeWithTheWindow) {
    MatchScript script;
    script.set(6, 4).tieBreakSet(5, 7).set(7, 5);
    Harness h;
    h.useThreeSets();
    h.platform.messageAnswers = {MsgAnswer::No};
    h.play(script.points());
    const MatchSummary m = summarizeMatch(h.form.matchRecord());

    EXPECT_EQ(scoreParts(m), (std::vector<std::string>{"6-4", "6-7(5-7)", "7-5"}));
    EXPECT_TRUE(m.matchOver);
    EXPECT_EQ(m.winner, 0);
    EXPECT_EQ(m.sets[1].winner, 1);
    // The sets cover every point once, and their counts add up to the window's.
    ASSERT_EQ(m.points.size(), script.points().size());
    int covered = 0;
    for (const SetSummary& s : m.sets) {
        EXPECT_EQ(s.firstPoint, covered);
        covered = s.endPoint;
    }
    EXPECT_EQ(covered, static_cast<int>(m.points.size()));
    for (int p = 0; p < 2; ++p) {
        PlayerCounts sum;
        for (const SetSummary& s : m.sets) {
            sum += s.counts[p];
        }
        EXPECT_EQ(sum.won, h.form.PuntiVinti[p].number());
        EXPECT_EQ(sum.breaksMade, h.form.BreakFatti[p].number());
        EXPECT_EQ(m.totals[p].won, sum.won);
    }
    EXPECT_EQ(m.points.back().diffAfter, script.pointsWonBy('A') - script.pointsWonBy('B'));
}

std::vector<std::string> lines(const std::string& csv) {
    std::vector<std::string> out;
    for (std::size_t at = 0, end; (end = csv.find("\r\n", at)) != std::string::npos; at = end + 2) {
        out.push_back(csv.substr(at, end - at));
    }
    return out;
}

TEST(PointLogCsv, OneRowPerPointWithThePositionBeforeIt) {
    const std::string points = MatchScript().set(6, 4).tieBreakSet(7, 5).points();
    Harness h;
    h.useThreeSets();
    h.platform.messageAnswers = {MsgAnswer::No};
    h.form.SelectOption(Panel::DirittoRovescio, 2);
    h.form.SelectOption(Panel::Colpo, 5);
    h.play("A*");  // a backhand passing shot and an ace, then the rest of the script
    h.play(points.substr(2));
    const std::vector<std::string> rows = lines(pointLogCsv(summarizeMatch(h.form.matchRecord())));

    ASSERT_EQ(rows.size(), points.size() + 1);
    EXPECT_EQ(rows[0],
              "Punto,Set,Game A,Game B,Punteggio,Al servizio,Vince,Servizio,Esito del servizio,"
              "Diritto/Rovescio,Colpo,Errore/Vincente");
    EXPECT_EQ(rows[1],
              "1,1,0,0,0-0,Giocatore A,Giocatore A,Prima palla,,Rovescio,Passante,Vincente");
    EXPECT_TRUE(rows[2].starts_with("2,1,0,0,15-0,") && rows[2].ends_with(",Ace,,,")) << rows[2];
    // The second set's tie-break is logged with its points and the games at six all.
    EXPECT_EQ(std::count_if(rows.begin(), rows.end(),
                            [](const std::string& r) { return r.find(",2,6,6,") != r.npos; }),
              12);
    EXPECT_NE(rows.back().find(",6-5,"), std::string::npos);  // the point that won it 7-5
}

TEST(PointLogCsv, NamesAreQuotedAndNeverRunAsFormulas) {
    Harness h;
    h.rename(0, "Rossi, \"Bobo\"");
    h.rename(1, "=SOMMA(A1)");
    h.play("A!");  // the second point a double fault
    const std::vector<std::string> rows = lines(pointLogCsv(summarizeMatch(h.form.matchRecord())));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[2],
              "2,1,0,0,15-0,\"Rossi, \"\"Bobo\"\"\",'=SOMMA(A1),Seconda palla,Doppio fallo,,,");
}

}  // namespace
}  // namespace courtlog
