#include <gtest/gtest.h>

#include "support/Harness.h"

namespace courtlog {
namespace {

using testing::Harness;

struct Step {
    char winner;
    const char* game;       // "A-B" game score after the point
    const char* indicator;  // "BP n", "D n" or "" for none
    int breakPointsOfB;     // BreakAvuti(1)
};

// A serves; the receiver's break points and the deuces are numbered within the game.
TEST(GameScoring, DeucesAdvantagesAndBreakPointsOfOneGame) {
    Harness h;
    const Step steps[] = {
        {'B', "0-15", "", 0},      {'B', "0-30", "", 0},      {'B', "0-40", "BP 1", 1},
        {'A', "15-40", "BP 2", 2}, {'A', "30-40", "BP 3", 3}, {'A', "40-40", "D 1", 3},
        {'B', "40-AD", "BP 4", 4}, {'A', "40-40", "D 2", 4},  {'A', "AD-40", "", 4},
    };
    for (const Step& s : steps) {
        h.play(std::string(1, s.winner));
        SCOPED_TRACE(s.game);
        EXPECT_EQ(h.form.Punteggio[0].caption() + "-" + h.form.Punteggio[1].caption(), s.game);
        const std::string ind(s.indicator);
        EXPECT_EQ(h.form.BreakPoint.visible(), ind.rfind("BP", 0) == 0);
        EXPECT_EQ(h.form.Parità.visible(), ind.rfind("D ", 0) == 0);
        if (h.form.BreakPoint.visible()) {
            EXPECT_EQ(h.form.BreakPoint.caption(), "Break Point # " + ind.substr(3));
            EXPECT_EQ(h.form.Punteggio[1].back(), colours::Red);
        } else {
            EXPECT_EQ(h.form.Punteggio[1].back(), colours::Cyan);
        }
        if (h.form.Parità.visible()) {
            EXPECT_EQ(h.form.Parità.caption(), "Parità # " + ind.substr(2));
        }
        EXPECT_EQ(h.form.Punteggio[0].back(), colours::Cyan);
        EXPECT_EQ(h.form.BreakAvuti[1].number(), s.breakPointsOfB);
        EXPECT_EQ(h.form.BreakAvuti[0].number(), 0);
    }

    // The server holds: no break, the serve passes, the numbers start again.
    h.play("A");
    EXPECT_EQ(h.board(), "1-0 0-0");
    EXPECT_EQ(h.form.BreakFatti[0].caption(), "0");
    EXPECT_EQ(h.server(), "B");
    EXPECT_EQ(h.form.Server, 1);
    EXPECT_EQ(h.form.BreakPointNumber, 0);
    EXPECT_EQ(h.form.DeuceNumber, 0);
    EXPECT_FALSE(h.form.BreakPoint.visible());
    EXPECT_FALSE(h.form.Parità.visible());

    // In B's service game the break points are A's, numbered from 1 again.
    h.play("BAAA");
    EXPECT_EQ(h.board(), "1-0 40-15");
    EXPECT_EQ(h.form.BreakPoint.caption(), "Break Point # 1");
    EXPECT_EQ(h.form.Punteggio[0].back(), colours::Red);
    EXPECT_EQ(h.form.Punteggio[1].back(), colours::Cyan);
    h.play("B");
    EXPECT_EQ(h.form.BreakPoint.caption(), "Break Point # 2");
    EXPECT_EQ(h.form.BreakAvuti[0].caption(), "2");
    EXPECT_EQ(h.form.BreakAvuti[1].caption(), "4");
}

TEST(GameScoring, BreakConvertedFromAdvantage) {
    Harness h;
    h.play("AAA BBB B B");  // deuce, then advantage B, then B breaks
    EXPECT_EQ(h.board(), "0-1 0-0");
    EXPECT_EQ(h.form.BreakFatti[1].caption(), "1");
    EXPECT_EQ(h.form.BreakFatti[0].caption(), "0");
    EXPECT_EQ(h.form.BreakAvuti[1].caption(), "1");
    EXPECT_EQ(h.server(), "B");

    // A wins B's serve to love: the break point at 0-40 converts.
    h.play("AAAA");
    EXPECT_EQ(h.board(), "1-1 0-0");
    EXPECT_EQ(h.form.BreakFatti[0].caption(), "1");
    EXPECT_EQ(h.form.BreakAvuti[0].caption(), "1");

    // A holds from 40-0: the receiver never had a break point.
    h.play("AAAA");
    EXPECT_EQ(h.form.BreakAvuti[1].caption(), "1");
    EXPECT_EQ(h.form.BreakFatti[0].caption(), "1");
}

TEST(GameScoring, NewBallsAfterTheSeventhGameAndEveryNineAfter) {
    Harness h;
    // Four sets of 6-0, then two games of the fifth: the count runs across sets.
    const std::string winners = "AAAAAA BBBBBB AAAAAA BBBBBB AB";
    std::string shown;
    int game = 0;
    for (char c : winners) {
        if (c == ' ') {
            continue;
        }
        h.games(std::string(1, c));
        ++game;
        if (h.form.PalleNuove.visible()) {
            shown += std::to_string(game) + " ";
        }
    }
    EXPECT_EQ(shown, "7 16 25 ");
    EXPECT_EQ(h.form.GamesPlayed, 26);
    EXPECT_EQ(h.board(), "6-0 0-6 6-0 0-6 1-1 0-0");
}

}  // namespace
}  // namespace courtlog
