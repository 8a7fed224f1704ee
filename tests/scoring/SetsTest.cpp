#include <gtest/gtest.h>

#include "support/Harness.h"

namespace courtlog {
namespace {

using testing::Harness;

TEST(Sets, SetWonSevenFiveKeepsTheServeAlternating) {
    Harness h;
    h.games("ABABABABABA");  // every game held to 6-5
    EXPECT_EQ(h.board(), "6-5 0-0");
    h.games("A");  // A breaks
    EXPECT_EQ(h.board(), "7-5 0-0 0-0");
    EXPECT_EQ(h.form.Set1[0].fore(), colours::Yellow);
    EXPECT_EQ(h.form.Set1[1].fore(), colours::Black);
    EXPECT_FALSE(h.form.TieBreak1[0].visible());
    EXPECT_EQ(h.server(), "A");
    EXPECT_EQ(h.form.SetFirstServer, 0);
    EXPECT_EQ(h.form.BreakFatti[0].caption(), "1");
}

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
    EXPECT_TRUE(h.form.TieBreak1[1].visible());
    // The player who received first in the set serves first in the next.
    EXPECT_EQ(h.server(), "B");
    EXPECT_EQ(h.form.Server, 1);
    EXPECT_EQ(h.form.SetFirstServer, 1);
    // Winning the tie-break is no break of serve.
    EXPECT_EQ(h.form.BreakFatti[0].caption() + "/" + h.form.BreakFatti[1].caption(), "1/1");
    EXPECT_EQ(h.form.GamesPlayed, 13);
}

TEST(Sets, DecidingSetPlayedOutAndTheEndOfTheMatch) {
    Harness h;
    h.useThreeSets();
    h.form.NomeGiocatore[0].setCaption("Errani");
    h.platform.messageAnswers = {MsgAnswer::No};
    h.games("AAAAAA BBBBBB");
    for (int i = 0; i < 20; ++i) {
        h.games(h.form.Server == 0 ? "A" : "B");
    }
    // No tie-break in the deciding set.
    EXPECT_EQ(h.board(), "6-0 0-6 10-10 0-0");
    EXPECT_FALSE(h.form.InTieBreak);
    EXPECT_TRUE(h.platform.messages.empty());
    h.games("AA");
    EXPECT_EQ(h.board(), "6-0 0-6 12-10 0-0 0-0");
    EXPECT_FALSE(h.form.TieBreak3[0].visible());
    EXPECT_TRUE(h.form.MatchOver);
    EXPECT_EQ(h.server(), "-");
    ASSERT_EQ(h.platform.messages.size(), 1u);
    EXPECT_EQ(h.platform.messages[0].text,
              "Fine partita! Ha vinto Errani in 2 set. Vuoi salvare la partita?");
    EXPECT_EQ(h.platform.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(h.form.PuntiDalMatch[0].caption(), "W");
    EXPECT_EQ(h.form.PuntiDalMatch[1].caption(), "L");
}

}  // namespace
}  // namespace courtlog
