#include <gtest/gtest.h>

#include "support/Harness.h"

namespace courtlog {
namespace {

using testing::Harness;

// A recorded history of count points with words that differ in every slot, standing at
// position current as navigation leaves it: the panel shows the working slot as stored.
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
    h.form.PointInfo[5] = 0;
    h.form.SelectOption(Panel::Servizio, 1);
    h.form.SelectOption(Panel::Colpo, 6);

    h.form.PuntoGiocatore_Click(1);

    EXPECT_EQ(EstraiInfo(h.form.PointInfo[5], Attr::Punto), 1);
    EXPECT_EQ(EstraiInfo(h.form.PointInfo[5], Attr::Servizio), 1);
    EXPECT_EQ(EstraiInfo(h.form.PointInfo[5], Attr::Colpo), 6);
    EXPECT_EQ(EstraiInfo(h.form.PointInfo[5], Attr::ErroreVincente), 1);
    EXPECT_EQ(h.form.PointCount, 6);
    EXPECT_EQ(h.form.CurrentPoint, 6);
    EXPECT_EQ(h.form.PointInfo[6], 0);
    EXPECT_EQ(h.form.GameScroll.maximum(), 6);
    EXPECT_EQ(h.form.GameScroll.value(), 6);
    EXPECT_TRUE(h.platform.residualQuestions.empty());
    EXPECT_FALSE(h.form.MatchSaved);
    EXPECT_EQ(panelOf(h.form), (std::array<int, 4>{0, 0, 0, 0}));
    EXPECT_EQ(h.form.PuntiVinti[1].caption(), "1");
    EXPECT_EQ(h.form.PuntiVinti[0].caption(), "0");
}

TEST(PointEntry, ReRecordingTheLastPointAsksNothing) {
    Harness h;
    standIn(h, 5, 4);
    h.form.PuntoGiocatore_Click(0);
    EXPECT_TRUE(h.platform.residualQuestions.empty());
    EXPECT_EQ(h.form.PointCount, 5);
    EXPECT_EQ(h.form.CurrentPoint, 5);
    EXPECT_EQ(h.form.PointInfo[5], 0);
    EXPECT_EQ(EstraiInfo(h.form.PointInfo[4], Attr::Punto), 0);
}

struct MiddleCase {
    ResidualAnswer answer;
    int pointCount;
};

TEST(PointEntry, PointInTheMiddleFollowsTheAnswer) {
    for (const MiddleCase c :
         {MiddleCase{ResidualAnswer::Overwrite, 10}, MiddleCase{ResidualAnswer::Insert, 11},
          MiddleCase{ResidualAnswer::DeleteLater, 8}}) {
        Harness h;
        standIn(h, 10, 7);
        const auto before = h.form.PointInfo;
        h.platform.residualAnswers.push_back(c.answer);
        h.form.SelectOption(Panel::Servizio, 1);
        h.form.PuntoGiocatore_Click(0);
        SCOPED_TRACE(static_cast<int>(c.answer));

        ASSERT_EQ(h.platform.residualQuestions.size(), 1u);
        EXPECT_EQ(h.platform.residualQuestions[0].residualPoints, 2);
        EXPECT_TRUE(h.platform.residualQuestions[0].offerInsert);
        EXPECT_EQ(h.form.ResidualChoice, static_cast<int>(c.answer));
        EXPECT_EQ(h.form.PointCount, c.pointCount);
        EXPECT_EQ(h.form.CurrentPoint, 8);

        // The new point replaces the word marked in slot 7; the earlier points stay.
        PointWord recorded = before[7];
        CreaInfo(recorded, Attr::Punto, 0);
        CreaInfo(recorded, Attr::Servizio, 1);
        EXPECT_EQ(h.form.PointInfo[7], recorded);
        for (int k = 0; k < 7; ++k) {
            EXPECT_EQ(h.form.PointInfo[k], before[k]) << k;
        }
        switch (c.answer) {
            case ResidualAnswer::Overwrite:
                EXPECT_EQ(h.form.PointInfo[8], before[8]);
                EXPECT_EQ(h.form.PointInfo[9], before[9]);
                break;
            case ResidualAnswer::Insert:
                // The point that stood at 7 follows the new one; nothing is lost.
                EXPECT_EQ(h.form.PointInfo[8], before[7]);
                EXPECT_EQ(h.form.PointInfo[9], before[8]);
                EXPECT_EQ(h.form.PointInfo[10], before[9]);
                break;
            case ResidualAnswer::DeleteLater:
                EXPECT_EQ(h.form.PointInfo[8], 0);
                break;
        }
        // The working slot is shown as stored, and showing it changed nothing.
        const PointWord working = h.form.PointInfo[8];
        EXPECT_EQ(panelOf(h.form), (std::array<int, 4>{EstraiInfo(working, Attr::Servizio),
                                                       EstraiInfo(working, Attr::DirittoRovescio),
                                                       EstraiInfo(working, Attr::Colpo),
                                                       EstraiInfo(working, Attr::ErroreVincente)}));
        EXPECT_EQ(h.form.GameScroll.maximum(), c.pointCount);
        EXPECT_EQ(h.form.GameScroll.value(), 8);
    }
}

TEST(PointEntry, ServeOutcomeButtonsRecordTheWholePoint) {
    Harness h;
    // Some leftover marks on the panel that an ace must not keep.
    h.form.SelectOption(Panel::DirittoRovescio, 2);
    h.form.SelectOption(Panel::Colpo, 3);
    CreaInfo(h.form.workingWord(), Attr::CircolettoRosso, 1);
    h.form.Server = 1;
    h.form.AceDoppioFallo_Click(1);
    PointWord ace = h.form.PointInfo[0];
    EXPECT_EQ(EstraiInfo(ace, Attr::Punto), 1);
    EXPECT_EQ(EstraiInfo(ace, Attr::AceDoppioFallo), 1);
    EXPECT_EQ(EstraiInfo(ace, Attr::ErroreVincente), 0);
    EXPECT_EQ(EstraiInfo(ace, Attr::Colpo), 0);
    EXPECT_EQ(EstraiInfo(ace, Attr::DirittoRovescio), 0);
    EXPECT_EQ(EstraiInfo(ace, Attr::CircolettoRosso), 0);
    EXPECT_FALSE(h.form.ServeOutcomeSet);

    h.form.Server = 0;
    h.form.AceDoppioFallo_Click(2);
    PointWord df = h.form.PointInfo[1];
    EXPECT_EQ(EstraiInfo(df, Attr::Punto), 1);
    EXPECT_EQ(EstraiInfo(df, Attr::Servizio), 1);
    EXPECT_EQ(EstraiInfo(df, Attr::AceDoppioFallo), 2);

    // A service winner keeps the serve the user marked.
    h.form.SelectOption(Panel::Servizio, 1);
    h.form.AceDoppioFallo_Click(3);
    PointWord sw = h.form.PointInfo[2];
    EXPECT_EQ(EstraiInfo(sw, Attr::Punto), 0);
    EXPECT_EQ(EstraiInfo(sw, Attr::Servizio), 1);
    EXPECT_EQ(EstraiInfo(sw, Attr::AceDoppioFallo), 3);

    // The next point, won with a player's button, is no serve outcome.
    CreaInfo(h.form.workingWord(), Attr::AceDoppioFallo, 1);
    h.form.PuntoGiocatore_Click(0);
    EXPECT_EQ(EstraiInfo(h.form.PointInfo[3], Attr::AceDoppioFallo), 0);
    EXPECT_EQ(h.form.PointCount, 4);
    EXPECT_EQ(h.form.PuntiVinti[0].caption(), "2");
    EXPECT_EQ(h.form.PuntiVinti[1].caption(), "2");
}

TEST(PointEntry, ShotMarksAWinnerUntilAnErrorIsChosen) {
    Harness h;
    h.form.SelectOption(Panel::ErroreVincente, 2);
    h.form.SelectOption(Panel::Colpo, 3);  // Lob
    EXPECT_EQ(h.form.ErroreVincente.selected(), 1);
    EXPECT_EQ(EstraiInfo(h.form.workingWord(), Attr::ErroreVincente), 1);
    EXPECT_EQ(EstraiInfo(h.form.workingWord(), Attr::Colpo), 3);

    h.form.SelectOption(Panel::ErroreVincente, 3);
    h.form.SelectOption(Panel::Colpo, 0);  // Miss leaves the error as it is
    EXPECT_EQ(h.form.ErroreVincente.selected(), 3);
    EXPECT_EQ(EstraiInfo(h.form.workingWord(), Attr::ErroreVincente), 3);
    EXPECT_EQ(EstraiInfo(h.form.workingWord(), Attr::Colpo), 0);
}

TEST(PointEntry, FinishedMatchIgnoresEveryPoint) {
    Harness h;
    standIn(h, 6, 4);
    h.form.MatchOver = true;
    h.form.MatchSaved = true;
    const auto before = h.form.PointInfo;
    h.form.PuntoGiocatore_Click(0);
    for (int i = 1; i <= 3; ++i) {
        h.form.AceDoppioFallo_Click(i);
    }
    EXPECT_EQ(h.form.PointInfo, before);
    EXPECT_EQ(h.form.PointCount, 6);
    EXPECT_EQ(h.form.CurrentPoint, 4);
    EXPECT_TRUE(h.form.MatchSaved);
    EXPECT_FALSE(h.form.ServeOutcomeSet);
    EXPECT_EQ(h.form.PuntiVinti[0].caption(), "0");
    EXPECT_EQ(h.form.PercentualePrimePalle[0].caption(), "0%");
}

TEST(PointEntry, ReplayedPointOnlyScores) {
    Harness h;
    standIn(h, 6, 3);
    h.form.SelectOption(Panel::Colpo, 5);
    h.form.MatchSaved = true;
    const auto before = h.form.PointInfo;
    const auto panel = panelOf(h.form);
    h.form.PuntoGiocatore_Click(3);
    h.form.PuntoGiocatore_Click(2);
    h.form.PuntoGiocatore_Click(3);
    EXPECT_EQ(h.form.PointInfo, before);
    EXPECT_EQ(h.form.PointCount, 6);
    EXPECT_EQ(h.form.CurrentPoint, 3);
    EXPECT_TRUE(h.form.MatchSaved);
    EXPECT_EQ(panelOf(h.form), panel);
    EXPECT_EQ(h.form.PuntiVinti[0].caption(), "1");
    EXPECT_EQ(h.form.PuntiVinti[1].caption(), "2");
    // Replayed points were counted by whoever replays them, not here.
    EXPECT_EQ(h.form.PercentualePrimePalle[0].caption(), "0%");
}

TEST(PointEntry, ListHoldsAtMostAThousandPoints) {
    Harness h;
    // Points that alternate from deuce on never end the game, so the match runs on.
    for (int k = 0; k < 999; ++k) {
        h.record(k % 2);
    }
    EXPECT_EQ(h.form.PointCount, 999);
    EXPECT_EQ(h.form.Games[0].caption(), "0");
    h.form.AceDoppioFallo_Click(1);
    EXPECT_EQ(h.form.PointCount, 1000);
    EXPECT_EQ(h.form.CurrentPoint, 1000);
    EXPECT_TRUE(h.platform.messages.empty());

    const auto before = h.form.PointInfo;
    const std::string won = h.form.PuntiVinti[0].caption();
    const std::string aces = h.form.Aces[0].caption();
    h.form.MatchSaved = true;
    h.form.PuntoGiocatore_Click(1);
    h.form.AceDoppioFallo_Click(1);
    ASSERT_EQ(h.platform.messages.size(), 2u);
    EXPECT_EQ(h.platform.messages[0].text,
              "Impossibile registrare altri punti: la partita ha già 1000 punti.");
    EXPECT_EQ(h.form.PointInfo, before);
    EXPECT_EQ(h.form.PointCount, 1000);
    EXPECT_EQ(h.form.CurrentPoint, 1000);
    EXPECT_EQ(h.form.PuntiVinti[0].caption(), won);
    EXPECT_EQ(h.form.Aces[0].caption(), aces);
    EXPECT_TRUE(h.form.MatchSaved);
    EXPECT_FALSE(h.form.ServeOutcomeSet);

    // In the middle of a full list a point can still replace one or cut the rest, but no
    // insertion is offered, and an insert answer cannot grow the list.
    standIn(h, 1000, 500);
    h.platform.residualAnswers.push_back(ResidualAnswer::Insert);
    h.form.PuntoGiocatore_Click(0);
    ASSERT_EQ(h.platform.residualQuestions.size(), 1u);
    EXPECT_FALSE(h.platform.residualQuestions[0].offerInsert);
    EXPECT_EQ(h.platform.residualQuestions[0].residualPoints, 499);
    EXPECT_EQ(h.form.PointCount, 1000);
}

TEST(PointEntry, InsertingUpToTheLimit) {
    Harness h;
    standIn(h, 999, 997);
    const PointWord displaced = h.form.PointInfo[997];
    h.platform.residualAnswers.push_back(ResidualAnswer::Insert);
    h.form.PuntoGiocatore_Click(1);
    ASSERT_EQ(h.platform.residualQuestions.size(), 1u);
    EXPECT_TRUE(h.platform.residualQuestions[0].offerInsert);
    EXPECT_EQ(h.platform.residualQuestions[0].residualPoints, 1);
    EXPECT_EQ(h.form.PointCount, 1000);
    EXPECT_EQ(h.form.CurrentPoint, 998);
    EXPECT_EQ(h.form.PointInfo[998], displaced);
    EXPECT_EQ(EstraiInfo(h.form.PointInfo[999], Attr::Punto), 0);
}

}  // namespace
}  // namespace courtlog
