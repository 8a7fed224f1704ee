#include <gtest/gtest.h>

#include "support/Harness.h"

namespace courtlog {
namespace {

using testing::Harness;

std::string needs(Harness& h) {
    return h.form.PuntiDalSet[0].caption() + "/" + h.form.PuntiDalMatch[0].caption() + " " +
           h.form.PuntiDalSet[1].caption() + "/" + h.form.PuntiDalMatch[1].caption();
}

TEST(SetPointAnalysis, PointsNeededFromTheStart) {
    Harness h;
    EXPECT_EQ(needs(h), "24/72 24/72");
    h.play("BBB");  // 0-40 in the first game
    EXPECT_EQ(needs(h), "25/73 21/69");
    h.useThreeSets();  // rescored: one set less to win
    EXPECT_EQ(needs(h), "25/49 21/45");
    EXPECT_EQ(h.form.PuntiDalSet[0].back(), colours::Cyan);
    EXPECT_EQ(h.form.PuntiDalMatch[0].back(), colours::Cyan);
    Harness three;
    three.useThreeSets();
    EXPECT_EQ(needs(three), "24/48 24/48");
}

TEST(SetPointAnalysis, SetPointsAreNumberedWithinTheSet) {
    Harness h;
    h.useThreeSets();
    h.games("ABABABAA");  // 5-3
    h.play("AABA");       // 40-15
    EXPECT_EQ(h.board(), "5-3 40-15");
    EXPECT_EQ(h.form.PuntiDalSet[0].caption(), "1");
    EXPECT_EQ(h.form.PuntiDalSet[0].back(), colours::Red);
    EXPECT_TRUE(h.form.SetPoint[0].visible());
    EXPECT_EQ(h.form.SetPoint[0].caption(), "Set Point #1");
    EXPECT_EQ(h.form.PuntiDalMatch[0].caption(), "25");
    EXPECT_EQ(h.form.PuntiDalMatch[0].back(), colours::Cyan);

    h.play("B");
    EXPECT_EQ(h.form.SetPoint[0].caption(), "Set Point #2");
    h.play("B");  // deuce
    EXPECT_FALSE(h.form.SetPoint[0].visible());
    EXPECT_EQ(h.form.PuntiDalSet[0].caption(), "2");
    EXPECT_EQ(h.form.PuntiDalSet[0].back(), colours::Cyan);
    h.play("A");
    EXPECT_EQ(h.form.SetPoint[0].caption(), "Set Point #3");
    h.play("A");  // set
    EXPECT_FALSE(h.form.SetPoint[0].visible());
    EXPECT_EQ(h.form.SetPointCount[0], 0);

    // The numbers start again in the next set.
    h.games("ABABABAA");
    h.play("AAA");
    EXPECT_EQ(h.form.MatchPoint[0].caption(), "Match Point #1");
    EXPECT_TRUE(h.form.MatchPoint[0].visible());
    EXPECT_FALSE(h.form.SetPoint[0].visible());
}

TEST(SetPointAnalysis, MatchPointsRunOnThroughTheMatch) {
    Harness h;
    h.useThreeSets();
    h.games("AAAAAA BBBBBB");
    EXPECT_EQ(needs(h), "24/24 24/24");
    h.games("ABABABAA");
    h.play("AAA");  // 40-0 at 5-3 in the deciding set
    EXPECT_EQ(h.form.PuntiDalMatch[0].caption(), "1");
    EXPECT_EQ(h.form.PuntiDalMatch[0].back(), colours::Red);
    EXPECT_TRUE(h.form.MatchPoint[0].visible());
    EXPECT_EQ(h.form.MatchPoint[0].caption(), "Match Point #1");
    EXPECT_FALSE(h.form.SetPoint[0].visible());
    EXPECT_EQ(h.form.PuntiDalSet[0].back(), colours::Cyan);

    h.play("BB");
    EXPECT_EQ(h.form.MatchPoint[0].caption(), "Match Point #3");
    h.play("B");  // saved to deuce: two points from the match, no marker
    EXPECT_EQ(h.form.PuntiDalMatch[0].caption(), "2");
    EXPECT_EQ(h.form.PuntiDalMatch[0].back(), colours::Yellow);
    EXPECT_FALSE(h.form.MatchPoint[0].visible());
    h.play("BB");  // B breaks back: 5-4
    h.games("B");  // 5-5
    h.games("A");  // 6-5, A to serve... for the match
    h.play("AAA");
    EXPECT_EQ(h.form.MatchPoint[0].caption(), "Match Point #4");
    h.play("A");
    EXPECT_EQ(h.board(), "6-0 0-6 7-5 0-0 0-0");
    EXPECT_EQ(h.form.PuntiDalMatch[0].caption(), "W");
    EXPECT_EQ(h.form.PuntiDalMatch[1].caption(), "L");
    EXPECT_EQ(h.form.PuntiDalSet[0].caption(), "");
    EXPECT_EQ(h.form.PuntiDalSet[1].caption(), "");
    EXPECT_FALSE(h.form.MatchPoint[0].visible());
    EXPECT_EQ(h.form.PuntiDalMatch[0].back(), colours::Cyan);
}

TEST(SetPointAnalysis, TieBreakOfTheDecidingSet) {
    Harness h;
    h.useThreeSets();
    h.useTieBreakRule(2);
    h.games("AAAAAA BBBBBB ABABABABABAB");
    h.play("ABABABABABAB");
    EXPECT_EQ(h.board(), "6-0 0-6 6-6 6-6");
    EXPECT_EQ(needs(h), "2/2 2/2");
    EXPECT_EQ(h.form.PuntiDalMatch[0].back(), colours::Yellow);
    h.play("A");
    EXPECT_EQ(needs(h), "1/1 3/3");
    EXPECT_TRUE(h.form.MatchPoint[0].visible());
    EXPECT_FALSE(h.form.MatchPoint[1].visible());
    h.play("B");  // 7-7: the set goes on past 6-6 in points too
    EXPECT_EQ(needs(h), "2/2 2/2");
}

TEST(SetPointAnalysis, LongSetWithoutTieBreak) {
    Harness h;
    h.useTieBreakRule(0);
    for (int i = 0; i < 9; ++i) {
        h.games(h.form.Server == 0 ? "A" : "B");
        h.games(h.form.Server == 0 ? "A" : "B");
    }
    h.games("B");
    EXPECT_EQ(h.board(), "9-10 0-0");
    // A needs this game, then two more: (10 + 1 - 9) games of four points each.
    EXPECT_EQ(h.form.PuntiDalSet[0].caption(), "12");
    EXPECT_EQ(h.form.PuntiDalSet[1].caption(), "4");
    h.games("AB");
    h.games("A");
    EXPECT_EQ(h.board(), "11-11 0-0");
    h.games("B");
    EXPECT_EQ(h.form.PuntiDalSet[0].caption(), "12");
}

}  // namespace
}  // namespace courtlog
