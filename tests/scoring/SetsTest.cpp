#include <gtest/gtest.h>

#include "support/Harness.h"

namespace courtlog {
namespace {

using testing::Harness;

TEST(Sets, SetWonSevenFiveKeepsTheServeAlternating) {
    Harness h;
    h.games("ABABABABAB");  // 5-5, every game held
    EXPECT_EQ(h.board(), "5-5 0-0");
    h.games("A");
    EXPECT_EQ(h.board(), "6-5 0-0");
    EXPECT_EQ(h.form.CurrentSet, 0);
    h.games("A");  // A breaks for 7-5
    EXPECT_EQ(h.board(), "7-5 0-0 0-0");
    EXPECT_EQ(h.form.Set1[0].fore(), colours::Yellow);
    EXPECT_EQ(h.form.Set1[1].fore(), colours::Black);
    EXPECT_FALSE(h.form.TieBreak1[0].visible());
    EXPECT_FALSE(h.form.TieBreak1[1].visible());
    // Twelve games: the player who served first in the set serves first in the next.
    EXPECT_EQ(h.server(), "A");
    EXPECT_EQ(h.form.SetFirstServer, 0);
    EXPECT_EQ(h.form.SetsWon[0], 1);
    EXPECT_EQ(h.form.BreakFatti[0].caption(), "1");
}

TEST(Sets, TieBreakServesAndTheServerOfTheNextSet) {
    Harness h;
    h.games("ABABABABAB BA");  // B breaks for 6-5, A breaks back for 6-6
    EXPECT_TRUE(h.form.InTieBreak);
    EXPECT_EQ(h.board(), "6-6 0-0");
    // The first server of the set starts the tie-break; then two points each.
    const char* servers = "ABBAABBAABBAAB";
    std::string seen;
    const std::string points = "ABABABABABABAA";  // 6-6, then A wins 8-6
    for (std::size_t k = 0; k < points.size(); ++k) {
        seen += h.server();
        h.play(points.substr(k, 1));
        if (k == 11) {
            EXPECT_EQ(h.board(), "6-6 6-6");
            EXPECT_TRUE(h.form.InTieBreak);
        }
    }
    EXPECT_EQ(seen, servers);
    EXPECT_FALSE(h.form.InTieBreak);
    EXPECT_EQ(h.board(), "7-6(8-6) 0-0 0-0");
    EXPECT_EQ(h.form.Set1[0].fore(), colours::Yellow);
    EXPECT_TRUE(h.form.TieBreak1[0].visible());
    EXPECT_TRUE(h.form.TieBreak1[1].visible());
    // The player who received first in the set serves first in the next one.
    EXPECT_EQ(h.server(), "B");
    EXPECT_EQ(h.form.Server, 1);
    EXPECT_EQ(h.form.SetFirstServer, 1);
    // Winning the tie-break is no break of serve.
    EXPECT_EQ(h.form.BreakFatti[0].caption(), "1");
    EXPECT_EQ(h.form.BreakFatti[1].caption(), "1");
    EXPECT_EQ(h.form.GamesPlayed, 13);
}

TEST(Sets, DecidingSetPlayedOutAndTheEndOfTheMatch) {
    Harness h;
    h.useThreeSets();
    h.form.NomeGiocatore[0].setCaption("Errani");
    h.platform.messageAnswers = {MsgAnswer::No};
    h.games("AAAAAA BBBBBB");
    EXPECT_EQ(h.board(), "6-0 0-6 0-0 0-0");
    // 10-10 in the third set, every game held; no tie-break in the deciding set.
    for (int i = 0; i < 10; ++i) {
        h.games(h.form.Server == 0 ? "A" : "B");
        h.games(h.form.Server == 0 ? "A" : "B");
    }
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
    EXPECT_EQ(h.platform.messages[0].title, "Courtlog");
    EXPECT_EQ(h.form.PuntiDalMatch[0].caption(), "W");
    EXPECT_EQ(h.form.PuntiDalMatch[1].caption(), "L");

    // Points after the end change nothing.
    const int count = h.form.PointCount;
    h.play("AB*!");
    EXPECT_EQ(h.form.PointCount, count);
    EXPECT_EQ(h.form.PuntiVinti[0].number() + h.form.PuntiVinti[1].number(), count);
    EXPECT_EQ(h.platform.messages.size(), 1u);
}

TEST(Sets, BestOfFiveToAFifthSetAndNoQuestionDuringAReplay) {
    Harness h;  // five sets, tie-break in all but the last
    h.platform.messageAnswers = {MsgAnswer::No};
    h.games("AAAAAA BBBBBB");
    h.games("ABABABABABAB");  // third set to a tie-break
    h.play("AAAAAAA");
    h.games("BBBBBB");
    EXPECT_EQ(h.board(), "6-0 0-6 7-6(7-0) 0-6 0-0 0-0");
    EXPECT_TRUE(h.platform.messages.empty());
    h.games("BBBBBB");
    EXPECT_EQ(h.board(), "6-0 0-6 7-6(7-0) 0-6 0-6 0-0 0-0");
    EXPECT_TRUE(h.form.MatchOver);
    ASSERT_EQ(h.platform.messages.size(), 1u);
    EXPECT_EQ(h.platform.messages[0].text,
              "Fine partita! Ha vinto Giocatore B in 3 set. Vuoi salvare la partita?");
    EXPECT_EQ(h.form.PuntiDalMatch[1].caption(), "W");
    EXPECT_EQ(h.form.PuntiDalMatch[0].caption(), "L");
    EXPECT_EQ(h.form.PuntiDalSet[0].caption(), "");
    EXPECT_EQ(h.form.PuntiDalSet[1].caption(), "");
    EXPECT_FALSE(h.form.MatchPoint[1].visible());

    // Replaying through the end asks nothing, yet ends the match again.
    h.form.GameUndo_Click();
    EXPECT_FALSE(h.form.MatchOver);
    EXPECT_EQ(h.server(), "A");  // B started the set, so A serves its sixth game
    EXPECT_EQ(h.board(), "6-0 0-6 7-6(7-0) 0-6 0-5 0-40");
    h.form.GameRedo_Click();
    EXPECT_TRUE(h.form.MatchOver);
    EXPECT_EQ(h.server(), "-");
    EXPECT_EQ(h.platform.messages.size(), 1u);
    EXPECT_EQ(h.board(), "6-0 0-6 7-6(7-0) 0-6 0-6 0-0 0-0");
}

TEST(Sets, TieBreakRules) {
    for (int rule = 0; rule < 3; ++rule) {
        for (bool three : {false, true}) {
            Harness h;
            if (three) {
                h.useThreeSets();
            }
            h.useTieBreakRule(rule);
            const int sets = three ? 3 : 5;
            for (int set = 0; set < sets; ++set) {
                const bool expected = rule == 2 || (rule == 1 && set < sets - 1);
                EXPECT_EQ(h.form.TieBreakInSet[set], expected)
                    << "rule " << rule << " sets " << sets << " set " << set;
            }
        }
    }
}

TEST(Sets, SetWithoutTieBreakNeedsTwoGamesClear) {
    Harness h;
    h.useTieBreakRule(0);
    h.games("ABABABABABAB");
    EXPECT_FALSE(h.form.InTieBreak);
    h.games("AB AB AB A");
    EXPECT_EQ(h.board(), "10-9 0-0");
    h.games("B A A");
    EXPECT_EQ(h.board(), "12-10 0-0 0-0");
}

}  // namespace
}  // namespace courtlog
