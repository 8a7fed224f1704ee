#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "support/Harness.h"

namespace courtlog {
namespace {

using testing::Harness;

// A history of count points whose words differ in every slot, standing at position current
// as navigation leaves it: the panel shows the working slot as stored.
void standIn(Harness& h, int count, int current) {
    for (int k = 0; k < count; ++k) {
        PointWord w = 0;
        CreaInfo(w, Attr::Punto, k % 2);
        CreaInfo(w, Attr::Colpo, k % 8);
        CreaInfo(w, Attr::ErroreVincente, k % 5);
        CreaInfo(w, Attr::DirittoRovescio, k % 3);
        h.form.PointInfo[k] = w;
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

TEST(PointEntry, PointAtTheEndAppendsAFreshSlot) {
    Harness h;
    standIn(h, 5, 5);
    h.form.SelectOption(Panel::Servizio, 1);
    h.form.SelectOption(Panel::ErroreVincente, 3);
    h.form.SelectOption(Panel::Colpo, 0);  // no shot: the error stays
    EXPECT_EQ(h.form.ErroreVincente.selected(), 3);
    h.form.SelectOption(Panel::Colpo, 6);  // a shot makes it a winner
    EXPECT_EQ(h.form.ErroreVincente.selected(), 1);

    h.form.PuntoGiocatore_Click(1);
    EXPECT_EQ(h.form.PointInfo[5], 0x00E3);  // B, second serve, shot 6, winner
    EXPECT_EQ(h.form.PointInfo[6], 0);
    EXPECT_EQ(h.form.PointCount, 6);
    EXPECT_EQ(h.form.CurrentPoint, 6);
    EXPECT_EQ(h.form.GameScroll.value(), 6);
    EXPECT_TRUE(h.platform.residualQuestions.empty());
    EXPECT_FALSE(h.form.MatchSaved);
    EXPECT_EQ(panelOf(h.form), (std::array<int, 4>{0, 0, 0, 0}));
    EXPECT_EQ(h.form.PuntiVinti[1].caption(), "1");
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

        ASSERT_EQ(h.platform.residualQuestions.size(), 1u);
        EXPECT_EQ(h.platform.residualQuestions[0].residualPoints, 2);
        EXPECT_TRUE(h.platform.residualQuestions[0].offerInsert);
        EXPECT_EQ(h.form.PointCount, 8 + static_cast<int>(rest.size()));
        EXPECT_EQ(h.form.CurrentPoint, 8);
        EXPECT_EQ(h.form.GameScroll.maximum(), h.form.PointCount);
        for (int k = 0; k < 7; ++k) {
            EXPECT_EQ(h.form.PointInfo[k], before[k]) << k;
        }
        // The new point keeps the marks stored in its slot.
        EXPECT_EQ(h.form.PointInfo[7], (before[7] & ~0x0003) | 0x0002);
        for (std::size_t i = 0; i < rest.size(); ++i) {
            EXPECT_EQ(h.form.PointInfo[8 + i], before[rest[i]]) << 8 + i;
        }
        // The panel shows the working slot as stored.
        const PointWord working = h.form.PointInfo[8];
        EXPECT_EQ(working, rest.empty() ? 0 : before[rest[0]]);
        EXPECT_EQ(h.form.Colpo.selected(), EstraiInfo(working, Attr::Colpo));
        EXPECT_EQ(h.form.ErroreVincente.selected(), EstraiInfo(working, Attr::ErroreVincente));
    }
}

TEST(PointEntry, ServeOutcomeButtonsRecordTheWholePoint) {
    Harness h;
    // Leftover marks that an ace must not keep.
    h.form.SelectOption(Panel::DirittoRovescio, 2);
    h.form.SelectOption(Panel::Colpo, 3);
    CreaInfo(h.form.workingWord(), Attr::CircolettoRosso, 1);
    h.form.Server = 1;
    h.form.AceDoppioFallo_Click(1);
    EXPECT_EQ(h.form.PointInfo[0], 0x0401);  // B wins with an ace
    EXPECT_FALSE(h.form.ServeOutcomeSet);

    h.form.Server = 0;
    h.form.AceDoppioFallo_Click(2);
    EXPECT_EQ(h.form.PointInfo[1], 0x0803);  // B wins on A's double fault, second serve
    h.form.SelectOption(Panel::Servizio, 1);
    h.form.AceDoppioFallo_Click(3);
    EXPECT_EQ(h.form.PointInfo[2], 0x0C02);  // A's service winner keeps the marked serve

    // A point won with a player's button is no serve outcome, whatever the slot held.
    CreaInfo(h.form.workingWord(), Attr::AceDoppioFallo, 1);
    h.form.PuntoGiocatore_Click(0);
    EXPECT_EQ(h.form.PointInfo[3], 0);
    EXPECT_EQ(h.form.PuntiVinti[0].caption(), "2");
    EXPECT_EQ(h.form.PuntiVinti[1].caption(), "2");
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
        if (over) {
            h.form.PuntoGiocatore_Click(0);
            for (int i = 1; i <= 3; ++i) {
                h.form.AceDoppioFallo_Click(i);
            }
        } else {
            h.form.PuntoGiocatore_Click(3);  // replayed points arrive as player + 2
            h.form.PuntoGiocatore_Click(2);
        }
        EXPECT_EQ(h.form.PointInfo, before);
        EXPECT_EQ(h.form.PointCount, 6);
        EXPECT_EQ(h.form.CurrentPoint, 4);
        EXPECT_TRUE(h.form.MatchSaved);
        EXPECT_FALSE(h.form.ServeOutcomeSet);
        EXPECT_EQ(panelOf(h.form), panel);
        EXPECT_EQ(h.form.PuntiVinti[0].caption(), over ? "0" : "1");
        // Statistics of replayed points are counted by the replay, not here.
        EXPECT_EQ(h.form.PercentualePrimePalle[0].caption(), "0%");
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
    const std::string won = h.form.PuntiVinti[0].caption();
    h.form.MatchSaved = true;
    h.form.PuntoGiocatore_Click(1);
    h.form.AceDoppioFallo_Click(1);
    ASSERT_EQ(h.platform.messages.size(), 2u);
    EXPECT_EQ(h.platform.messages[0].text,
              "Impossibile registrare altri punti: la partita ha già 1000 punti.");
    EXPECT_EQ(h.form.PointInfo, before);
    EXPECT_EQ(h.form.PuntiVinti[0].caption(), won);
    EXPECT_TRUE(h.form.MatchSaved);
    EXPECT_FALSE(h.form.ServeOutcomeSet);

    // In a full list a point can still replace one, but an insert answer cannot grow it.
    standIn(h, 1000, 500);
    h.platform.residualAnswers.push_back(ResidualAnswer::Insert);
    h.form.PuntoGiocatore_Click(0);
    ASSERT_EQ(h.platform.residualQuestions.size(), 1u);
    EXPECT_FALSE(h.platform.residualQuestions[0].offerInsert);
    EXPECT_EQ(h.form.PointCount, 1000);
}

}  // namespace
}  // namespace courtlog
