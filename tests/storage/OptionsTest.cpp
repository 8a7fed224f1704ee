#include <gtest/gtest.h>

#include "support/Harness.h"

namespace courtlog {
namespace {

using testing::Harness;

std::string partial(Harness& h) {
    return h.form.Parziale[0].caption() + h.form.Parziale[1].caption();
}

TEST(Options, ThreeSetsRefusedWhenTheMatchIsTooFarOn) {
    Harness h;
    h.games("AAAAAA AAAAAA");
    h.form.MatchInTreSet_Click();
    h.games("BBBBBB");
    h.form.MatchInTreSet_Click();
    // The number keeps the blank of its sign: two blanks before it.
    EXPECT_EQ(h.platform.texts(),
              (std::vector<std::string>{
                  "Spiacente, ma la partita sarebbe già finita. Impossibile modificare.",
                  "Spiacente, ma si è già al  4° set. Impossibile modificare."}));
    EXPECT_FALSE(h.form.MatchInTreSet.checked());
    EXPECT_EQ(h.board(), "6-0 6-0 0-6 0-0 0-0");
}

TEST(Options, SwitchingTheNumberOfSetsRescoresWithoutSaving) {
    Harness h;
    h.games("AAAAAA BBBBBB AB");
    h.form.MatchSaved = false;
    h.form.MatchInTreSet_Click();
    EXPECT_EQ(h.board(), "6-0 0-6 1-1 0-0");
    EXPECT_EQ(h.form.PuntiDalMatch[0].caption(), "20");
    EXPECT_FALSE(h.form.TieBreakInSet[2]);  // the third set now decides
    EXPECT_FALSE(h.form.MatchSaved);
    h.form.MatchInCinqueSet_Click();
    EXPECT_TRUE(h.form.Set4[0].visible());
    EXPECT_TRUE(h.form.TieBreakInSet[2]);
    EXPECT_EQ(h.form.PuntiDalMatch[0].caption(), "44");

    // Five sets reopen a finished best-of-three match.
    Harness over;
    over.useThreeSets();
    over.platform.messageAnswers = {MsgAnswer::No};
    over.games("AAAAAA AAAAAA");
    over.form.MatchInCinqueSet_Click();
    EXPECT_FALSE(over.form.MatchOver);
    over.games("A");
    EXPECT_EQ(over.board(), "6-0 6-0 1-0 0-0");
}

TEST(Options, TieBreakInEverySetRescoresTheDecidingSet) {
    Harness h;
    h.useThreeSets();
    h.platform.messageAnswers = {MsgAnswer::No};
    h.games("AAAAAA BBBBBB ABABABABABAB AA");
    ASSERT_EQ(h.board(), "6-0 0-6 8-6 0-0 0-0");
    const int points = h.form.PointCount;
    h.form.TieBreakWhen_Click(2);
    // Seven of the last eight points win the tie-break; the eighth lies after the end of the
    // match: counted by the statistics, not scored.
    EXPECT_EQ(h.board(), "6-0 0-6 7-6(7-0) 0-0 0-0");
    EXPECT_EQ(h.form.PuntiVinti[0].number() + h.form.PuntiVinti[1].number(), points - 1);
    EXPECT_EQ(h.form.ServedPoints[0] + h.form.ServedPoints[1], points);
    EXPECT_EQ(h.platform.messages.size(), 1u);  // no question during the replay

    // Choosing the checked item again still rebuilds the display from the points.
    h.form.Punteggio[0].setCaption("AD");
    h.form.TieBreakWhen_Click(2);
    EXPECT_EQ(h.form.Punteggio[0].caption(), "0");
}

TEST(Options, PartialCanBeSwitchedOffAndOn) {
    Harness h;
    h.play("BAAA");
    h.form.DisabilitaParziale_Click();
    EXPECT_EQ(partial(h), "00");
    h.play("BBBB");
    h.form.GameUndo_Click();
    EXPECT_EQ(partial(h), "00");
    h.form.DisabilitaParziale_Click();
    // B A A A B B B: three for B alone, then 1-3 is the most lopsided mixed stretch.
    EXPECT_EQ(partial(h), "13");
}

TEST(Options, PointsToTheMatchOffAndBackOnMatchAMatchPlayedWithThemOn) {
    const std::string before = "AAAAAA BBBBBB ABABABAA";
    Harness live;
    live.games(before);
    live.play("AAABBBA");  // set point, saved to deuce, set point again

    Harness h;
    h.games(before);
    h.form.DisabilitaPuntiDalMatch_Click();
    h.play("AAA");
    EXPECT_FALSE(h.form.SetPoint[0].visible());
    h.play("BBBA");
    h.form.DisabilitaPuntiDalMatch_Click();
    for (int p = 0; p < 2; ++p) {
        EXPECT_EQ(h.form.PuntiDalSet[p].caption(), live.form.PuntiDalSet[p].caption());
        EXPECT_EQ(h.form.PuntiDalMatch[p].caption(), live.form.PuntiDalMatch[p].caption());
        EXPECT_EQ(h.form.SetPoint[p].caption(), live.form.SetPoint[p].caption());
        EXPECT_EQ(h.form.SetPoint[p].visible(), live.form.SetPoint[p].visible());
    }
    EXPECT_EQ(h.form.SetPoint[0].caption(), "Set Point #4");
}

}  // namespace
}  // namespace courtlog
