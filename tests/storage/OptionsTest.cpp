#include <gtest/gtest.h>

#include "support/Harness.h"

namespace courtlog {
namespace {

using testing::Harness;

TEST(Options, ThreeSetsRefusedWhenTheMatchIsTooFarOn) {
    Harness h;
    h.games("AAAAAA AAAAAA");
    h.form.MatchInTreSet_Click();
    ASSERT_EQ(h.platform.messages.size(), 1u);
    EXPECT_EQ(h.platform.messages[0].text,
              "Spiacente, ma la partita sarebbe già finita. Impossibile modificare.");
    EXPECT_FALSE(h.form.MatchInTreSet.checked());
    EXPECT_EQ(h.form.SetsInMatch, 5);

    h.games("BBBBBB");
    h.form.MatchInTreSet_Click();
    ASSERT_EQ(h.platform.messages.size(), 2u);
    EXPECT_EQ(h.platform.messages[1].text,
              "Spiacente, ma si è già al  4° set. Impossibile modificare.");
    EXPECT_TRUE(h.form.MatchInCinqueSet.checked());
    EXPECT_TRUE(h.form.Set4[0].visible());
    EXPECT_EQ(h.board(), "6-0 6-0 0-6 0-0 0-0");
}

TEST(Options, ThreeSetsRescoresTheMatchInTheThirdSet) {
    Harness h;
    h.games("AAAAAA BBBBBB AB");
    h.form.MatchSaved = false;
    EXPECT_EQ(h.form.PuntiDalMatch[0].caption(), "44");  // 20 for this set, 24 for one more
    h.form.MatchInTreSet_Click();
    EXPECT_TRUE(h.platform.messages.empty());
    EXPECT_TRUE(h.form.MatchInTreSet.checked());
    EXPECT_FALSE(h.form.MatchInCinqueSet.checked());
    EXPECT_EQ(h.form.SetsInMatch, 3);
    EXPECT_FALSE(h.form.Set4[0].visible());
    EXPECT_FALSE(h.form.Set5[1].visible());
    EXPECT_EQ(h.board(), "6-0 0-6 1-1 0-0");
    EXPECT_EQ(h.form.PuntiDalMatch[0].caption(), "20");
    // The third set now decides: no tie-break in it.
    EXPECT_FALSE(h.form.TieBreakInSet[2]);
    EXPECT_FALSE(h.form.MatchSaved);  // rescoring saves nothing

    h.form.MatchInCinqueSet_Click();
    EXPECT_EQ(h.form.SetsInMatch, 5);
    EXPECT_TRUE(h.form.Set4[0].visible());
    EXPECT_TRUE(h.form.TieBreakInSet[2]);
    EXPECT_EQ(h.form.PuntiDalMatch[0].caption(), "44");
}

TEST(Options, FiveSetsReopensAFinishedMatch) {
    Harness h;
    h.useThreeSets();
    h.platform.messageAnswers = {MsgAnswer::No};
    h.games("AAAAAA AAAAAA");
    ASSERT_TRUE(h.form.MatchOver);
    h.form.MatchInCinqueSet_Click();
    EXPECT_FALSE(h.form.MatchOver);
    EXPECT_EQ(h.board(), "6-0 6-0 0-0 0-0");
    EXPECT_EQ(h.server(), "A");
    h.games("A");
    EXPECT_EQ(h.board(), "6-0 6-0 1-0 0-0");
}

TEST(Options, TieBreakInEverySetRescoresTheDecidingSet) {
    Harness h;
    h.useThreeSets();
    h.platform.messageAnswers = {MsgAnswer::No};
    h.games("AAAAAA BBBBBB ABABABABABAB AA");
    EXPECT_EQ(h.board(), "6-0 0-6 8-6 0-0 0-0");
    ASSERT_TRUE(h.form.MatchOver);
    const int points = h.form.PointCount;

    h.form.TieBreakWhen_Click(2);
    EXPECT_TRUE(h.form.TieBreakWhen[2].checked());
    EXPECT_FALSE(h.form.TieBreakWhen[1].checked());
    // The first seven points of the last eight win the tie-break; the eighth lies after the
    // end of the match: counted by the statistics, not scored.
    EXPECT_EQ(h.board(), "6-0 0-6 7-6(7-0) 0-0 0-0");
    EXPECT_TRUE(h.form.MatchOver);
    EXPECT_EQ(h.form.PointCount, points);
    EXPECT_EQ(h.form.PuntiVinti[0].number() + h.form.PuntiVinti[1].number(), points - 1);
    EXPECT_EQ(h.form.ServedPoints[0] + h.form.ServedPoints[1], points);
    EXPECT_EQ(h.platform.messages.size(), 1u);  // no question during the replay

    // Choosing the checked item again still replays: the display is rebuilt from the points.
    h.form.Punteggio[0].setCaption("AD");
    h.form.TieBreakWhen_Click(2);
    EXPECT_EQ(h.form.Punteggio[0].caption(), "0");
}

TEST(Options, PartialCanBeSwitchedOffAndOn) {
    Harness h;
    h.play("BAAA");
    EXPECT_EQ(h.form.Parziale[0].caption() + h.form.Parziale[1].caption(), "31");
    h.form.DisabilitaParziale_Click();
    EXPECT_TRUE(h.form.DisabilitaParziale.checked());
    EXPECT_EQ(h.form.Parziale[0].caption() + h.form.Parziale[1].caption(), "00");
    h.play("BBBB");
    h.form.GameUndo_Click();
    EXPECT_EQ(h.form.Parziale[0].caption() + h.form.Parziale[1].caption(), "00");
    h.form.DisabilitaParziale_Click();
    EXPECT_FALSE(h.form.DisabilitaParziale.checked());
    // Played B A A A B B B: three for B alone, then 1-3 is the most lopsided mixed stretch.
    EXPECT_EQ(h.form.Parziale[0].caption() + h.form.Parziale[1].caption(), "13");
}

TEST(Options, PointsToTheMatchOffAndBackOnMatchAMatchPlayedWithThemOn) {
    const std::string before = "AAAAAA BBBBBB ABABABAA";
    const std::string after = "AAABBBA";  // set point, saved to deuce, set point again
    Harness live;
    live.games(before);
    live.play("AAABBBA");

    Harness h;
    h.games(before);
    h.form.DisabilitaPuntiDalMatch_Click();
    EXPECT_EQ(h.form.PuntiDalMatch[0].caption(), "0");
    EXPECT_EQ(h.form.PuntiDalSet[0].caption(), "0");
    h.play("AAA");
    EXPECT_FALSE(h.form.SetPoint[0].visible());
    EXPECT_EQ(h.form.PuntiDalSet[0].caption(), "0");
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
