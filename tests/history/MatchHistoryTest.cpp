#include "history/MatchHistory.h"
#include "history/Statistics.h"

#include <gtest/gtest.h>

#include "support/Harness.h"
#include "support/MatchScript.h"

namespace courtlog {
namespace {

using testing::Harness;
using testing::MatchScript;

MatchRecord recordOf(Harness& h) {
    return h.form.matchRecord();
}

TEST(MatchHistory, SetsPointsAndBreaksOfAFinishedMatch) {
    MatchScript script;
    script.set(6, 4).tieBreakSet(5, 7).set(7, 5);
    Harness h;
    h.useThreeSets();
    h.rename(0, "Errani");
    h.platform.messageAnswers = {MsgAnswer::No};
    h.play(script.points());
    ASSERT_TRUE(h.form.MatchOver);

    const MatchHistory m = buildHistory(recordOf(h));
    EXPECT_TRUE(m.matchOver);
    EXPECT_EQ(m.winner, 0);
    EXPECT_EQ(m.players[0], "Errani");
    EXPECT_EQ(m.setsWon, (std::array<int, 2>{2, 1}));
    ASSERT_EQ(m.sets.size(), 3u);
    EXPECT_EQ(m.sets[0].gamesA, 6);
    EXPECT_EQ(m.sets[0].gamesB, 4);
    EXPECT_FALSE(m.sets[0].tieBreak);
    EXPECT_EQ(m.sets[1].gamesA, 6);
    EXPECT_EQ(m.sets[1].gamesB, 7);
    EXPECT_TRUE(m.sets[1].tieBreak);
    EXPECT_EQ(m.sets[1].tieBreakA, 5);
    EXPECT_EQ(m.sets[1].tieBreakB, 7);
    EXPECT_EQ(m.sets[1].winner, 1);
    EXPECT_EQ(m.sets[2].gamesA, 7);

    // The sets cover every point once, and their counts add up to the match's.
    ASSERT_EQ(m.points.size(), script.points().size());
    EXPECT_EQ(m.sets[0].firstPoint, 0);
    EXPECT_EQ(m.sets[1].firstPoint, m.sets[0].endPoint);
    EXPECT_EQ(m.sets[2].endPoint, static_cast<int>(m.points.size()));
    for (int p = 0; p < 2; ++p) {
        PlayerCounts sum;
        for (const SetSummary& s : m.sets) {
            sum += s.counts[p];
        }
        EXPECT_EQ(sum.won, m.totals[p].won);
        EXPECT_EQ(sum.served, m.totals[p].served);
        EXPECT_EQ(sum.breaksMade, m.totals[p].breaksMade);
        EXPECT_EQ(m.totals[p].won, h.form.PuntiVinti[p].number());
    }
    EXPECT_EQ(m.totals[0].won, script.pointsWonBy('A'));
    EXPECT_EQ(m.points.back().diffAfter, script.pointsWonBy('A') - script.pointsWonBy('B'));

    int breaks = 0;
    int tieBreakPoints = 0;
    for (const PointRow& r : m.points) {
        breaks += r.brokeServe;
        tieBreakPoints += r.tieBreak;
        EXPECT_TRUE(!r.brokeServe || r.endedGame);
    }
    EXPECT_EQ(breaks, h.form.BreakFatti[0].number() + h.form.BreakFatti[1].number());
    EXPECT_EQ(tieBreakPoints, 12);
}

TEST(MatchHistory, EachRowHoldsThePositionBeforeItsPoint) {
    Harness h;
    h.form.SelectOption(Panel::Colpo, 3);
    h.form.SelectOption(Panel::ErroreVincente, 2);
    h.play("A");
    h.play("*!B");
    const MatchHistory m = buildHistory(recordOf(h));
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
    EXPECT_EQ(m.points[3].server, 0);
    EXPECT_EQ(dirittoRovescioText(m.points[3].dirittoRovescio), "");
    EXPECT_FALSE(m.matchOver);
    EXPECT_EQ(m.gameScore, "30-30");
    ASSERT_EQ(m.sets.size(), 1u);
    EXPECT_FALSE(m.sets[0].finished);
}

TEST(MatchHistory, TotalsMatchPlayersByName) {
    Harness first;
    first.useThreeSets();
    first.rename(0, "Vinci");
    first.rename(1, "Pennetta");
    first.platform.messageAnswers = {MsgAnswer::No};
    first.games("AAAAAA AAAAAA");
    Harness second;  // the same players the other way round, unfinished
    second.rename(0, "Pennetta");
    second.rename(1, "Vinci");
    second.play("*AAB");
    const auto totals =
        addUp({buildHistory(first.form.matchRecord()), buildHistory(second.form.matchRecord())});
    ASSERT_EQ(totals.size(), 2u);
    EXPECT_EQ(totals[0].name, "Vinci");
    EXPECT_EQ(totals[0].matches, 2);
    EXPECT_EQ(totals[0].matchesWon, 1);
    EXPECT_EQ(totals[0].matchesLost, 0);
    EXPECT_EQ(totals[0].counts.won, 48 + 1);
    EXPECT_EQ(totals[1].name, "Pennetta");
    EXPECT_EQ(totals[1].matchesLost, 1);
    EXPECT_EQ(totals[1].counts.won, 3);
    EXPECT_EQ(totals[1].counts.aces, 1);
    // Percentages come from the summed counts.
    EXPECT_EQ(totals[0].counts.firstServesText(),
              Percent(totals[0].counts.firstIn, totals[0].counts.served));
}

}  // namespace
}  // namespace courtlog
