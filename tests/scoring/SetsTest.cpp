#include <gtest/gtest.h>

#include "support/Harness.h"
#include "support/MatchScript.h"

namespace courtlog {
namespace {

using testing::Harness;
using testing::MatchScript;

TEST(Sets, TieBreakServesAndTheServerOfTheNextSet) {
    Harness h;
    h.games("ABABABABAB BA");  // B breaks for 6-5, A breaks back
    EXPECT_TRUE(h.form.InTieBreak);
    // The first server of the set starts; then two points each.
    std::string seen;
    for (char c : std::string("ABABABABABABAA")) {
        seen += h.server();
        h.play(std::string(1, c));
    }
    EXPECT_EQ(seen, "ABBAABBAABBAAB");
    EXPECT_FALSE(h.form.InTieBreak);
    EXPECT_EQ(h.board(), "7-6(8-6) 0-0 0-0");
    EXPECT_EQ(h.form.Set1[0].fore(), colours::Yellow);
    EXPECT_EQ(h.form.Set1[1].fore(), colours::Black);
    EXPECT_EQ(h.form.Set5[1].back(), h.form.Set1[1].back());  // every set's row looks alike
    // The player who received first in the set serves first in the next.
    EXPECT_EQ(h.server(), "B");
    EXPECT_EQ(h.form.Server, 1);
    EXPECT_EQ(h.form.SetFirstServer, 1);
    // Winning the tie-break is no break of serve.
    EXPECT_EQ(h.form.BreakFatti[0].caption() + "/" + h.form.BreakFatti[1].caption(), "1/1");
    EXPECT_EQ(h.form.GamesPlayed, 13);
}

// The deciding set has no tie-break and is played out; the end of the match is asked about.
TEST(Sets, ThreeSetMatchPlayedToTheEnd) {
    MatchScript script;
    script.set(4, 6).set(7, 5).set(12, 10);
    Harness h;
    h.useThreeSets();
    h.form.NomeGiocatore[0].setCaption("Errani");
    h.platform.messageAnswers = {MsgAnswer::No};
    h.play(script.points());
    EXPECT_EQ(h.board(), "4-6 7-5 12-10 0-0 0-0");
    EXPECT_TRUE(h.form.MatchOver);
    EXPECT_EQ(h.server(), "-");
    EXPECT_EQ(h.form.PuntiVinti[0].number(), script.pointsWonBy('A'));
    EXPECT_EQ(h.form.PuntiVinti[1].number(), script.pointsWonBy('B'));
    ASSERT_EQ(h.platform.messages.size(), 1u);
    EXPECT_EQ(h.platform.messages[0].text,
              "Fine partita! Ha vinto Errani in 2 set. Vuoi salvare la partita?");
    EXPECT_EQ(h.platform.messages[0].buttons, MsgButtons::YesNo);
}

}  // namespace
}  // namespace courtlog
