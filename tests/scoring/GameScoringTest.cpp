#include <gtest/gtest.h>

#include <utility>

#include "support/Harness.h"

namespace courtlog {
namespace {

using testing::Harness;

// The server, the game score with the break-point or deuce indicator and who is red, then
// each player's break points so far and breaks made.
std::string gameState(Harness& h) {
    const MainForm& f = h.form;
    std::string s = h.server() + " " + f.Punteggio[0].caption() + "-" + f.Punteggio[1].caption();
    for (const Field* shown : {&f.BreakPoint, &f.Parità}) {
        s += shown->visible() ? " " + shown->caption() : "";
    }
    for (int p = 0; p < 2; ++p) {
        s += f.Punteggio[p].back() == colours::Red ? (p == 0 ? " red A" : " red B") : "";
    }
    return s + " bp " + f.BreakAvuti[0].caption() + "/" + f.BreakAvuti[1].caption() + " br " +
           f.BreakFatti[0].caption() + "/" + f.BreakFatti[1].caption();
}

TEST(GameScoring, DeucesAdvantagesBreakPointsAndBreaks) {
    Harness h;
    const std::pair<const char*, const char*> steps[] = {
        {"B", "A 0-15 bp 0/0 br 0/0"},
        {"BB", "A 0-40 Break Point # 1 red B bp 0/1 br 0/0"},
        {"A", "A 15-40 Break Point # 2 red B bp 0/2 br 0/0"},
        {"A", "A 30-40 Break Point # 3 red B bp 0/3 br 0/0"},
        {"A", "A 40-40 Parità # 1 bp 0/3 br 0/0"},
        {"B", "A 40-AD Break Point # 4 red B bp 0/4 br 0/0"},
        {"A", "A 40-40 Parità # 2 bp 0/4 br 0/0"},
        {"A", "A AD-40 bp 0/4 br 0/0"},
        {"A", "B 0-0 bp 0/4 br 0/0"},  // A holds; the numbers start again
        // In B's service game the break points are A's.
        {"BAAA", "B 40-15 Break Point # 1 red A bp 1/4 br 0/0"},
        {"B", "B 40-30 Break Point # 2 red A bp 2/4 br 0/0"},
        {"A", "A 0-0 bp 2/4 br 1/0"},
        {"BBBB", "B 0-0 bp 2/5 br 1/1"},  // a break to love
    };
    for (const auto& [points, expected] : steps) {
        h.play(points);
        EXPECT_EQ(gameState(h), expected) << points;
    }
}

TEST(GameScoring, NewBallsAfterTheSeventhGameAndEveryNineAfter) {
    Harness h;
    // The count runs across sets: four sets of 6-0, then two games of the fifth.
    std::string shown = h.form.PalleNuove.visible() ? "0 " : "";
    int game = 0;
    for (char c : std::string("AAAAAABBBBBBAAAAAABBBBBBAB")) {
        h.games(std::string(1, c));
        ++game;
        if (h.form.PalleNuove.visible()) {
            shown += std::to_string(game) + " ";
        }
    }
    EXPECT_EQ(shown, "7 16 25 ");
    EXPECT_EQ(h.board(), "6-0 0-6 6-0 0-6 1-1 0-0");
}

}  // namespace
}  // namespace courtlog
