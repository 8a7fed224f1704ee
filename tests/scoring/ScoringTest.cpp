// Scoring: games, sets, set and match points, and recording points from the panel.
#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <utility>
#include <vector>

#include "storage/MatchFile.h"
#include "support/Harness.h"
#include "support/MatchScript.h"
#include "support/TempDir.h"

namespace courtlog {
namespace {

using namespace testing;

// Both players' captions of a pair of labels, as "a/b".
std::string both(const std::array<Field, 2>& f, const char* sep = "/") {
    return f[0].caption() + sep + f[1].caption();
}

// The server, the game score with the break-point or deuce indicator and who is red, then
// each player's break points so far and breaks made.
std::string gameState(Harness& h) {
    const MainForm& f = h.form;
    std::string s = h.server() + " " + both(f.Punteggio, "-");
    for (const Field* shown : {&f.BreakPoint, &f.Parità}) {
        s += shown->visible() ? " " + shown->caption() : "";
    }
    s += f.Punteggio[0].back() == colours::Red ? " red A" : "";
    s += f.Punteggio[1].back() == colours::Red ? " red B" : "";
    return s + " bp " + both(f.BreakAvuti) + " br " + both(f.BreakFatti);
}

TEST(GameScoring, DeucesAdvantagesBreakPointsAndBreaks) {
    Harness h;
    const std::pair<const char*, const char*> steps[] = {
        {"B", "A 0-15 bp 0/0 br 0/0"},
        {"BB", "A 0-40 Break Point # 1 red B bp 0/1 br 0/0"},
        {"A", "A 15-40 Break Point # 2 red B bp 0/2 br 0/0"},
        {"AA", "A 40-40 Parità # 1 bp 0/3 br 0/0"},
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
    const std::string winners = "AAAAAABBBBBBAAAAAABBBBBBAB";
    std::string shown = h.form.PalleNuove.visible() ? "0 " : "";
    for (std::size_t game = 0; game < winners.size(); ++game) {
        h.games(winners.substr(game, 1));
        shown += h.form.PalleNuove.visible() ? std::to_string(game + 1) + " " : "";
    }
    EXPECT_EQ(shown, "7 16 25 ");
}

TEST(Sets, TieBreakServesAndTheServerOfTheNextSet) {
    Harness h;
    h.games("ABABABABAB BA");  // B breaks for 6-5, A breaks back
    // The first server of the set starts the tie-break, then two points each; the player who
    // received first in the set serves first in the next. Winning the tie-break is no break.
    std::string seen = h.server();
    for (char c : std::string("ABABABABABABAA")) {
        h.play(std::string(1, c));
        seen += h.server();
    }
    EXPECT_EQ(seen + " " + h.board() + " br " + both(h.form.BreakFatti),
              "ABBAABBAABBAABB 7-6(8-6) 0-0 0-0 br 1/1");
    EXPECT_EQ(h.form.Set1[0].fore(), colours::Yellow);
    EXPECT_EQ(h.form.Set5[1].back(), h.form.Set1[1].back());  // every set's row looks alike
}

// The deciding set has no tie-break and is played out; at the end a Yes saves the match with
// its last point.
TEST(Sets, ThreeSetMatchPlayedToTheEnd) {
    TempDir dir;
    const MatchScript script = MatchScript().set(4, 6).set(7, 5).set(12, 10);
    Harness h;
    h.useThreeSets();
    h.form.NomeGiocatore[0].setCaption("Errani");
    h.platform.saveChoices.push_back({dir.file("final.clg"), "final.clg"});
    h.play(script.points());
    EXPECT_EQ(h.board() + " server " + h.server(), "4-6 7-5 12-10 0-0 0-0 server -");
    EXPECT_TRUE(h.form.MatchOver && h.form.MatchSaved);
    EXPECT_EQ(both(h.form.PuntiVinti), std::to_string(script.pointsWonBy('A')) + "/" +
                                           std::to_string(script.pointsWonBy('B')));
    // Asked once.
    EXPECT_EQ(h.platform.messages, std::vector<std::string>{"Fine partita! Ha vinto Errani in 2 "
                                                            "set. Vuoi salvare la partita?"});
    EXPECT_EQ(h.platform.buttons, std::vector{MsgButtons::YesNo});
    EXPECT_EQ(decodeMatch(TempDir::read(dir.file("final.clg"))).match.points.size(),
              script.points().size());
}

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
            s += marker->visible() ? " " + marker->caption() : "";
        }
    }
    return s;
}

// Each step plays whole games, as Harness::games takes them, then points, and reads the needs.
void playSteps(Harness& h, std::initializer_list<std::array<const char*, 3>> steps) {
    for (const auto& [games, points, expected] : steps) {
        h.games(games);
        h.play(points);
        EXPECT_EQ(needs(h), expected) << h.board();
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

TEST(SetPointAnalysis, TieBreakOfTheDecidingSetAndLongSetWithoutTieBreak) {
    Harness h, noTieBreak;
    h.useThreeSets();
    h.useTieBreakRule(2);
    playSteps(h, {{"AAAAAA BBBBBB ABABABABABAB", "ABABABABABAB", "2/2? | 2/2?"},
                  {"", "A", "1/1! Match Point #2 | 3/3"},  // the first was at 6-5
                  {"", "B", "2/2? | 2/2?"}});              // 7-7: on past six points all
    noTieBreak.useTieBreakRule(0);
    // Every game held to 9-9, then a break: A needs this game and two more.
    playSteps(noTieBreak, {{"ABABABABABABABABAB B", "", "12/60 | 4/52"}});
}

// A history of count points whose words differ in every slot (winner, shot and error), standing
// at position current as navigation leaves it.
void standIn(Harness& h, int count, int current) {
    for (int k = 0; k < count; ++k) {
        h.form.PointInfo[k] = static_cast<PointWord>((k % 2) | ((k % 8) << 4) | ((k % 5) << 7));
    }
    h.form.PointInfo[count] = 0;
    h.form.PointCount = static_cast<std::int16_t>(count);
    h.form.CurrentPoint = static_cast<std::int16_t>(current);
    h.form.showWordInPanel(h.form.PointInfo[current]);
    h.form.workingSlotChanged();
}

TEST(PointEntry, PanelAndServeOutcomeButtonsMakeTheWordAtTheEnd) {
    Harness h;
    MainForm& f = h.form;
    standIn(h, 5, 5);
    f.SelectOption(Panel::Servizio, 1);
    f.SelectOption(Panel::ErroreVincente, 3);
    f.SelectOption(Panel::Colpo, 0);  // no shot: the error stays
    EXPECT_EQ(f.ErroreVincente.selected(), 3);
    f.SelectOption(Panel::Colpo, 6);  // a shot makes it a winner...
    EXPECT_EQ(f.ErroreVincente.selected(), 1);
    f.SelectOption(Panel::ErroreVincente, 4);
    f.SelectOption(Panel::Colpo, 6);  // ...until an error is chosen, even for the same shot
    f.PuntoGiocatore_Click(1);
    EXPECT_FALSE(f.MatchSaved);
    EXPECT_EQ((std::array{f.Servizio.selected(), f.DirittoRovescio.selected(), f.Colpo.selected(),
                          f.ErroreVincente.selected()}),
              (std::array{0, 0, 0, 0}));

    // Leftover marks that an ace must not keep.
    f.SelectOption(Panel::DirittoRovescio, 2);
    f.SelectOption(Panel::Colpo, 3);
    CreaInfo(f.workingWord(), Attr::CircolettoRosso, 1);
    f.Server = 1;
    f.AceDoppioFallo_Click(1);
    f.Server = 0;
    f.AceDoppioFallo_Click(2);
    f.SelectOption(Panel::Servizio, 1);
    f.AceDoppioFallo_Click(3);
    // B, second serve, shot 6, error on an attempt; B wins with an ace; B wins on A's double
    // fault, second serve; A's service winner keeps the marked serve.
    EXPECT_EQ(std::vector(f.PointInfo.begin() + 5, f.PointInfo.begin() + 9),
              (std::vector<PointWord>{0x0263, 0x0401, 0x0803, 0x0C02}));

    // Stepping back, the panel shows the next point as stored, with its button in focus; marking
    // it again edits it in place.
    f.GameScroll_Change(5);
    EXPECT_EQ(std::to_string(f.Colpo.selected()) + " " + f.focus.objectName, "6 PuntoGiocatore_0");
    f.GameRedo_Click();  // the ace
    EXPECT_EQ(f.focus.objectName, "AceDoppioFallo_1");
    f.SelectOption(Panel::Colpo, 5);
    EXPECT_EQ(EstraiInfo(f.PointInfo[6], Attr::Colpo), 5);
}

TEST(PointEntry, PointInTheMiddleFollowsTheAnswer) {
    // Which of the earlier words follow the new point in slot 7.
    for (const auto& [answer, rest] :
         {std::pair{ResidualAnswer::Overwrite, std::vector{8, 9}},
          std::pair{ResidualAnswer::Insert, std::vector{7, 8, 9}},  // nothing is lost
          std::pair{ResidualAnswer::DeleteLater, std::vector<int>{}}}) {
        SCOPED_TRACE(static_cast<int>(answer));
        Harness h;
        standIn(h, 10, 7);
        const auto before = h.form.PointInfo;
        h.platform.residualAnswers.push_back(answer);
        h.form.SelectOption(Panel::Servizio, 1);
        h.form.PuntoGiocatore_Click(0);
        EXPECT_EQ(h.platform.residualQuestions.at(0).residualPoints, 2);
        std::vector<PointWord> expected(before.begin(), before.begin() + 7);
        expected.push_back((before[7] & ~0x0003) | 0x0002);  // the slot's other marks stay
        for (int r : rest) {
            expected.push_back(before[r]);
        }
        EXPECT_EQ(
            std::vector(h.form.PointInfo.begin(), h.form.PointInfo.begin() + h.form.PointCount),
            expected);
        // The new working slot: the next stored point, or an empty one.
        EXPECT_EQ(h.form.PointInfo[8], rest.empty() ? 0 : before[rest[0]]);
    }
}

TEST(PointEntry, ListHoldsAtMostAThousandPoints) {
    Harness h;
    // Points alternating from deuce on never end the game.
    for (int k = 0; k < 999; ++k) {
        h.play(k % 2 ? "B" : "A");
    }
    h.form.AceDoppioFallo_Click(1);  // the thousandth is still taken
    EXPECT_EQ(h.form.PointCount, 1000);
    const auto before = h.form.PointInfo;
    h.form.MatchSaved = true;
    h.form.PuntoGiocatore_Click(1);
    h.form.AceDoppioFallo_Click(1);
    EXPECT_EQ(h.platform.messages,
              std::vector<std::string>(
                  2, "Impossibile registrare altri punti: la partita ha già 1000 punti."));
    EXPECT_EQ(h.form.PointInfo, before);
    EXPECT_TRUE(h.form.MatchSaved);
    // The refused click marked nothing: the ace, recorded again with a player's button, is not
    // an ace any more.
    h.form.GameUndo_Click();
    h.play("B");
    EXPECT_EQ(h.form.PointInfo[999], 0x0001);

    // In a full list a point can still replace one, but an insert answer cannot grow it.
    standIn(h, 1000, 500);
    h.platform.residualAnswers.push_back(ResidualAnswer::Insert);
    h.form.PuntoGiocatore_Click(0);
    EXPECT_FALSE(h.platform.residualQuestions.at(0).offerInsert);
    EXPECT_EQ(h.form.PointCount, 1000);
}

}  // namespace
}  // namespace courtlog
