#include <gtest/gtest.h>

#include "support/Harness.h"
#include "support/MatchScript.h"

namespace courtlog {
namespace {

using testing::Harness;
using testing::MatchScript;

// Each game's first point is an ace when the server wins it and a double fault otherwise,
// so both players serve both kinds through three sets.
TEST(WholeMatch, ThreeSetMatchWithServeOutcomes) {
    MatchScript script;
    script.set(4, 6).set(7, 5).set(12, 10);
    Harness h;
    h.useThreeSets();
    h.platform.messageAnswers = {MsgAnswer::No};
    int aces[2] = {0, 0};
    int doubles[2] = {0, 0};
    for (char c : script.points()) {
        const int winner = c - 'A';
        if (h.form.Punteggio[0].caption() != "0" || h.form.Punteggio[1].caption() != "0") {
            h.play(std::string(1, c));
        } else if (winner == h.form.Server) {
            ++aces[winner];
            h.play("*");
        } else {
            ++doubles[h.form.Server];
            h.play("!");
        }
    }
    EXPECT_EQ(h.board(), "4-6 7-5 12-10 0-0 0-0");
    EXPECT_EQ(h.form.PuntiVinti[0].number(), script.pointsWonBy('A'));
    EXPECT_EQ(h.form.PuntiVinti[1].number(), script.pointsWonBy('B'));
    for (int p = 0; p < 2; ++p) {
        EXPECT_GT(aces[p] * doubles[p], 0);
        EXPECT_EQ(h.form.Aces[p].number(), aces[p]);
        EXPECT_EQ(h.form.DoppiFalli[p].number(), doubles[p]);
    }
}

}  // namespace
}  // namespace courtlog
