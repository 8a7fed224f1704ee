#include "history/MatchHistory.h"

#include <gtest/gtest.h>

#include "support/Harness.h"
#include "support/MatchScript.h"

namespace courtlog {
namespace {

using testing::Harness;
using testing::MatchScript;

TEST(MatchHistory, SetsAndTotalsOfAFinishedMatchAgreeWithTheWindow) {
    MatchScript script;
    script.set(6, 4).tieBreakSet(5, 7).set(7, 5);
    Harness h;
    h.useThreeSets();
    h.platform.messageAnswers = {MsgAnswer::No};
    h.play(script.points());
    const MatchHistory m = buildHistory(h.form.matchRecord());

    EXPECT_EQ(scoreParts(m), (std::vector<std::string>{"6-4", "6-7(5-7)", "7-5"}));
    EXPECT_TRUE(m.matchOver);
    EXPECT_EQ(m.winner, 0);
    EXPECT_EQ(m.setsWon, (std::array<int, 2>{2, 1}));
    EXPECT_EQ(m.sets[1].winner, 1);
    // The sets cover every point once, and their counts add up to the window's.
    ASSERT_EQ(m.points.size(), script.points().size());
    int covered = 0;
    for (const SetSummary& s : m.sets) {
        EXPECT_EQ(s.firstPoint, covered);
        covered = s.endPoint;
    }
    EXPECT_EQ(covered, static_cast<int>(m.points.size()));
    int breaks = 0;
    for (const PointRow& r : m.points) {
        breaks += r.brokeServe;
        EXPECT_TRUE(!r.brokeServe || r.endedGame) << r.number;
    }
    for (int p = 0; p < 2; ++p) {
        PlayerCounts sum;
        for (const SetSummary& s : m.sets) {
            sum += s.counts[p];
        }
        EXPECT_EQ(sum.won, h.form.PuntiVinti[p].number());
        EXPECT_EQ(sum.breaksMade, h.form.BreakFatti[p].number());
        EXPECT_EQ(sum.served, m.totals[p].served);
        EXPECT_EQ(m.totals[p].won, sum.won);
    }
    EXPECT_EQ(breaks, h.form.BreakFatti[0].number() + h.form.BreakFatti[1].number());
    EXPECT_EQ(m.points.back().diffAfter, script.pointsWonBy('A') - script.pointsWonBy('B'));
}

TEST(MatchHistory, EachRowHoldsThePositionBeforeItsPoint) {
    Harness h;
    h.form.SelectOption(Panel::Colpo, 3);
    h.form.SelectOption(Panel::ErroreVincente, 2);
    h.play("A*!B");
    const MatchHistory m = buildHistory(h.form.matchRecord());
    ASSERT_EQ(m.points.size(), 4u);
    EXPECT_EQ(m.points[0].score, "0-0");
    EXPECT_EQ(colpoText(m.points[0].colpo), "Lob");
    EXPECT_EQ(erroreVincenteText(m.points[0].erroreVincente), "Errore gratuito");
    EXPECT_EQ(m.points[1].score, "15-0");
    EXPECT_EQ(outcomeText(m.points[1].outcome), "Ace");
    EXPECT_EQ(m.points[2].score, "30-0");
    EXPECT_EQ(servizioText(m.points[2].servizio), "Seconda palla");
    EXPECT_EQ(outcomeText(m.points[2].outcome), "Doppio fallo");
    EXPECT_EQ(m.points[2].winner, 1);
    EXPECT_EQ(dirittoRovescioText(m.points[3].dirittoRovescio), "");
    EXPECT_FALSE(m.matchOver);
    EXPECT_EQ(m.gameScore, "30-30");
    ASSERT_EQ(m.sets.size(), 1u);
    EXPECT_FALSE(m.sets[0].finished);
}

}  // namespace
}  // namespace courtlog
