#include <gtest/gtest.h>

#include <initializer_list>

#include "support/Harness.h"

namespace courtlog {
namespace {

using testing::Harness;

// Points each player needs for the set and the match, "!" for a red cell and "?" for a
// yellow one, then the set-point or match-point marker shown.
std::string needs(Harness& h) {
    auto cell = [](const Field& f) {
        return f.caption() + (f.back() == colours::Red      ? "!"
                              : f.back() == colours::Yellow ? "?"
                                                            : "");
    };
    std::string s;
    for (int p = 0; p < 2; ++p) {
        s += (p ? " | " : "") + cell(h.form.PuntiDalSet[p]) + "/" + cell(h.form.PuntiDalMatch[p]);
        for (const Field* marker : {&h.form.SetPoint[p], &h.form.MatchPoint[p]}) {
            if (marker->visible()) {
                s += " " + marker->caption();
            }
        }
    }
    return s;
}

struct Step {
    const char *games, *points, *expected;  // whole games as Harness::games takes them, points
};

void playSteps(Harness& h, std::initializer_list<Step> steps) {
    for (const Step& s : steps) {
        h.games(s.games);
        h.play(s.points);
        EXPECT_EQ(needs(h), s.expected) << h.board();
    }
}

TEST(SetPointAnalysis, SetPointsPerSetAndMatchPointsThroughTheMatch) {
    Harness h;
    h.useThreeSets();
    h.platform.messageAnswers = {MsgAnswer::No};
    playSteps(h, {
                     {"", "", "24/48 | 24/48"},
                     {"ABABABAA", "AABA", "1!/25 Set Point #1 | 16/40"},  // 5-3 40-15
                     {"", "BB", "2/26 | 14/38"},                          // deuce
                     {"", "A", "1!/25 Set Point #3 | 15/39"},
                     {"", "A", "24/24 | 24/48"},  // set, and the numbers start again
                     {"ABABABAA", "AAA", "1/1! Match Point #1 | 17/41"},
                     {"", "BBB", "2/2? | 14/38"},  // saved to deuce: no marker
                     {"", "BB", "4/4 | 12/36"},    // B breaks back: 5-4
                     {"BA", "AAA", "1/1! Match Point #4 | 12/36"},
                     {"", "A", "/W | /L"},
                 });
}

TEST(SetPointAnalysis, TieBreakOfTheDecidingSet) {
    Harness h;
    h.useThreeSets();
    h.useTieBreakRule(2);
    playSteps(h, {{"AAAAAA BBBBBB ABABABABABAB", "ABABABABABAB", "2/2? | 2/2?"},
                  {"", "A", "1/1! Match Point #2 | 3/3"},  // the first was at 6-5
                  {"", "B", "2/2? | 2/2?"}});              // 7-7: on past six points all
}

TEST(SetPointAnalysis, LongSetWithoutTieBreak) {
    Harness h;
    h.useTieBreakRule(0);
    for (int i = 0; i < 18; ++i) {
        h.games(h.form.Server == 0 ? "A" : "B");
    }
    // At 9-10, A needs this game and two more.
    playSteps(h, {{"B", "", "12/60 | 4/52"}});
}

}  // namespace
}  // namespace courtlog
