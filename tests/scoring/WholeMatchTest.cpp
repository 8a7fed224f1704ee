#include <gtest/gtest.h>

#include "support/Harness.h"
#include "support/MatchScript.h"

namespace courtlog {
namespace {

using testing::Harness;
using testing::MatchScript;

// A five-set final with two tie-breaks and a long deciding set: 6-4 6-4 6-7(5) 6-7(8) 9-7.
TEST(WholeMatch, FiveSetFinalEndsWithItsScore) {
    MatchScript script;
    script.set(6, 4).set(6, 4).tieBreakSet(5, 7).tieBreakSet(8, 10).set(9, 7);
    Harness h;
    h.platform.messageAnswers = {MsgAnswer::No};
    h.play(script.points());

    EXPECT_EQ(h.board(), "6-4 6-4 6-7(5-7) 6-7(8-10) 9-7 0-0 0-0");
    EXPECT_TRUE(h.form.MatchOver);
    EXPECT_EQ(h.form.PointCount, static_cast<int>(script.points().size()));
    EXPECT_EQ(h.form.PuntiVinti[0].number(), script.pointsWonBy('A'));
    EXPECT_EQ(h.form.PuntiVinti[1].number(), script.pointsWonBy('B'));
    EXPECT_EQ(h.form.PuntiDalMatch[0].caption(), "W");
    EXPECT_EQ(h.form.PuntiDalMatch[1].caption(), "L");
    for (int set : {1, 2, 5}) {
        EXPECT_EQ(h.form.setRow(set)[0].fore(), colours::Yellow) << set;
        EXPECT_EQ(h.form.setRow(set)[1].fore(), colours::Black) << set;
        EXPECT_FALSE(h.form.tieBreakRow(set)[0].visible()) << set;
    }
    for (int set : {3, 4}) {
        EXPECT_EQ(h.form.setRow(set)[1].fore(), colours::Yellow) << set;
        EXPECT_TRUE(h.form.tieBreakRow(set)[1].visible()) << set;
    }
    EXPECT_EQ(h.form.GamesPlayed, 10 + 10 + 13 + 13 + 16);
    EXPECT_EQ(h.form.ServedPoints[0] + h.form.ServedPoints[1], h.form.PointCount);
    ASSERT_EQ(h.platform.messages.size(), 1u);
    EXPECT_EQ(h.platform.messages[0].text,
              "Fine partita! Ha vinto Giocatore A in 3 set. Vuoi salvare la partita?");
}

// Best of three: a set each, then a deciding set played out, 4-6 7-5 12-10, with aces and
// double faults on the way.
TEST(WholeMatch, ThreeSetMatchWithServeOutcomes) {
    MatchScript script;
    script.set(4, 6).set(7, 5).set(12, 10);
    Harness h;
    h.useThreeSets();
    h.platform.messageAnswers = {MsgAnswer::No};
    // Each game's first point is an ace when the server wins it, a double fault otherwise.
    int aces[2] = {0, 0};
    int doubles[2] = {0, 0};
    const std::string& points = script.points();
    int a = 0, b = 0;
    for (char c : points) {
        const int winner = c == 'A' ? 0 : 1;
        const bool gameStart =
            h.form.Punteggio[0].caption() == "0" && h.form.Punteggio[1].caption() == "0";
        if (gameStart && winner == h.form.Server) {
            ++aces[winner];
            h.play("*");
        } else if (gameStart) {
            ++doubles[h.form.Server];
            h.play("!");
        } else {
            h.play(std::string(1, c));
        }
        (winner == 0 ? a : b) += 1;
    }
    EXPECT_EQ(h.board(), "4-6 7-5 12-10 0-0 0-0");
    EXPECT_EQ(h.form.PuntiVinti[0].number(), a);
    EXPECT_EQ(h.form.PuntiVinti[1].number(), b);
    EXPECT_EQ(h.form.Aces[0].number(), aces[0]);
    EXPECT_EQ(h.form.Aces[1].number(), aces[1]);
    EXPECT_EQ(h.form.DoppiFalli[0].number(), doubles[0]);
    EXPECT_EQ(h.form.DoppiFalli[1].number(), doubles[1]);
    EXPECT_EQ(h.platform.messages.size(), 1u);
    EXPECT_EQ(h.form.PuntiDalMatch[0].caption(), "W");
}

}  // namespace
}  // namespace courtlog
