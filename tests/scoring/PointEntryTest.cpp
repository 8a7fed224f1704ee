#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "support/Harness.h"

namespace courtlog {
namespace {

using testing::Harness;

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

std::array<int, 4> panelOf(MainForm& f) {
    return {f.Servizio.selected(), f.DirittoRovescio.selected(), f.Colpo.selected(),
            f.ErroreVincente.selected()};
}

TEST(PointEntry, PanelAndServeOutcomeButtonsMakeTheWordAtTheEnd) {
    Harness h;
    standIn(h, 5, 5);
    h.form.SelectOption(Panel::Servizio, 1);
    h.form.SelectOption(Panel::ErroreVincente, 3);
    h.form.SelectOption(Panel::Colpo, 0);  // no shot: the error stays
    EXPECT_EQ(h.form.ErroreVincente.selected(), 3);
    h.form.SelectOption(Panel::Colpo, 6);  // a shot makes it a winner
    h.form.PuntoGiocatore_Click(1);
    EXPECT_EQ(h.form.PointInfo[5], 0x00E3);  // B, second serve, shot 6, winner
    EXPECT_FALSE(h.form.MatchSaved);
    EXPECT_EQ(panelOf(h.form), (std::array<int, 4>{0, 0, 0, 0}));

    // Leftover marks that an ace must not keep.
    h.form.SelectOption(Panel::DirittoRovescio, 2);
    h.form.SelectOption(Panel::Colpo, 3);
    CreaInfo(h.form.workingWord(), Attr::CircolettoRosso, 1);
    h.form.Server = 1;
    h.form.AceDoppioFallo_Click(1);
    EXPECT_EQ(h.form.PointInfo[6], 0x0401);  // B wins with an ace
    h.form.Server = 0;
    h.form.AceDoppioFallo_Click(2);
    EXPECT_EQ(h.form.PointInfo[7], 0x0803);  // B wins on A's double fault, second serve
    h.form.SelectOption(Panel::Servizio, 1);
    h.form.AceDoppioFallo_Click(3);
    EXPECT_EQ(h.form.PointInfo[8], 0x0C02);  // A's service winner keeps the marked serve
    // A point won with a player's button is no serve outcome, whatever the slot held.
    CreaInfo(h.form.workingWord(), Attr::AceDoppioFallo, 1);
    h.form.PuntoGiocatore_Click(0);
    EXPECT_EQ(h.form.PointInfo[9], 0);
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
        // The panel shows the new working slot as stored.
        EXPECT_EQ(h.form.PointInfo[8], rest.empty() ? 0 : before[rest[0]]);
        EXPECT_EQ(h.form.Colpo.selected(), EstraiInfo(h.form.PointInfo[8], Attr::Colpo));
    }
}

TEST(PointEntry, FinishedMatchAndReplayedPointsLeaveTheRecordAlone) {
    for (const bool over : {true, false}) {
        SCOPED_TRACE(over ? "match over" : "replay");
        Harness h;
        standIn(h, 6, 4);
        h.form.MatchOver = over;
        h.form.MatchSaved = true;
        const auto before = h.form.PointInfo;
        const auto panel = panelOf(h.form);
        h.form.PuntoGiocatore_Click(over ? 0 : 2);  // replayed points arrive as player + 2
        if (over) {
            h.form.AceDoppioFallo_Click(2);
        }
        EXPECT_EQ(h.form.PointInfo, before);
        EXPECT_EQ(h.form.CurrentPoint, 4);
        EXPECT_TRUE(h.form.MatchSaved);
        EXPECT_EQ(panelOf(h.form), panel);
        EXPECT_FALSE(h.form.ServeOutcomeSet);  // it belongs to the one point it marked
        // A replayed point is scored; its statistics are the replay's to count.
        EXPECT_EQ(h.form.PuntiVinti[0].caption(), over ? "0" : "1");
    }
}

TEST(PointEntry, ListHoldsAtMostAThousandPoints) {
    Harness h;
    // Points alternating from deuce on never end the game.
    for (int k = 0; k < 999; ++k) {
        h.record(k % 2);
    }
    h.form.AceDoppioFallo_Click(1);  // the thousandth is still taken
    EXPECT_EQ(h.form.PointCount, 1000);
    const auto before = h.form.PointInfo;
    h.form.MatchSaved = true;
    h.form.PuntoGiocatore_Click(1);
    h.form.AceDoppioFallo_Click(1);
    EXPECT_EQ(h.platform.texts(),
              std::vector<std::string>(
                  2, "Impossibile registrare altri punti: la partita ha già 1000 punti."));
    EXPECT_EQ(h.form.PointInfo, before);
    EXPECT_TRUE(h.form.MatchSaved);
    // The refused click marked nothing: the ace, recorded again with a player's button, is not
    // an ace any more.
    h.form.GameUndo_Click();
    h.record(1);
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
