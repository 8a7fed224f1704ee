#include <gtest/gtest.h>

#include <utility>

#include "support/Harness.h"

namespace courtlog {
namespace {

using testing::Harness;

// The server, the game score with the break-point or deuce indicator and B's break points so far.
std::string gameState(Harness& h) {
    std::string s =
        h.server() + " " + h.form.Punteggio[0].caption() + "-" + h.form.Punteggio[1].caption();
    if (h.form.BreakPoint.visible()) {
        s += " " + h.form.BreakPoint.caption();
    }
    if (h.form.Parità.visible()) {
        s += " " + h.form.Parità.caption();
    }
    for (int p = 0; p < 2; ++p) {
        if (h.form.Punteggio[p].back() == colours::Red) {
            s += p == 0 ? " red A" : " red B";
        }
    }
    return s + " bp " + h.form.BreakAvuti[0].caption() + "/" + h.form.BreakAvuti[1].caption();
}

TEST(GameScoring, DeucesAdvantagesAndBreakPoints) {
    Harness h;
    const std::pair<const char*, const char*> steps[] = {
        {"B", "A 0-15 bp 0/0"},
        {"BB", "A 0-40 Break Point # 1 red B bp 0/1"},
        {"A", "A 15-40 Break Point # 2 red B bp 0/2"},
        {"A", "A 30-40 Break Point # 3 red B bp 0/3"},
        {"A", "A 40-40 Parità # 1 bp 0/3"},
        {"B", "A 40-AD Break Point # 4 red B bp 0/4"},
        {"A", "A 40-40 Parità # 2 bp 0/4"},
        {"A", "A AD-40 bp 0/4"},
        {"A", "B 0-0 bp 0/4"},  // A holds; the numbers start again
        // In B's service game the break points are A's.
        {"BAAA", "B 40-15 Break Point # 1 red A bp 1/4"},
        {"B", "B 40-30 Break Point # 2 red A bp 2/4"},
    };
    for (const auto& [points, expected] : steps) {
        h.play(points);
        EXPECT_EQ(gameState(h), expected) << points;
    }
}

TEST(GameScoring, BreaksAreCounted) {
    Harness h;
    h.play("AAABBBBB");  // B breaks from advantage
    EXPECT_EQ(h.board(), "0-1 0-0");
    h.play("AAAA");  // A breaks to love
    h.play("AAAA");  // A holds: B never had a break point
    EXPECT_EQ(h.board(), "2-1 0-0");
    EXPECT_EQ(h.form.BreakFatti[0].caption() + "/" + h.form.BreakFatti[1].caption(), "1/1");
    EXPECT_EQ(h.form.BreakAvuti[0].caption() + "/" + h.form.BreakAvuti[1].caption(), "1/1");
}

TEST(GameScoring, NewBallsAfterTheSeventhGameAndEveryNineAfter) {
    Harness h;
    // The count runs across sets: four sets of 6-0, then two games of the fifth.
    std::string shown;
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
