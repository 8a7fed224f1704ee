#include <gtest/gtest.h>

#include "support/Harness.h"

namespace courtlog {
namespace {

using testing::Harness;

TEST(Renaming, PlayerNameGoesToLabelButtonAndFrame) {
    Harness h;
    h.platform.inputAnswers = {"Sinner"};
    h.form.NomeGiocatore_Click(1);
    ASSERT_EQ(h.platform.inputPrompts.size(), 1u);
    EXPECT_EQ(h.platform.inputPrompts[0], "Inserire il nuovo nome|Cambio nome|Giocatore B");
    EXPECT_EQ(h.form.NomeGiocatore[1].caption(), "Sinner");
    EXPECT_EQ(h.form.PuntoGiocatore[1].caption(), "Sinner");
    EXPECT_EQ(h.form.FrameStatistiche[1].caption(), "Statistiche Sinner");
    EXPECT_EQ(h.form.NomeGiocatore[0].caption(), "Giocatore A");
    EXPECT_EQ(h.form.PuntoGiocatore[0].caption(), "Giocatore A");
    EXPECT_EQ(h.form.FrameStatistiche[0].caption(), "Statistiche Giocatore A");
    EXPECT_TRUE(h.form.MatchSaved);
}

TEST(Renaming, EmptyAnswerChangesNothingAndBlanksAreKept) {
    Harness h;
    h.platform.inputAnswers = {"", "   "};
    h.form.NomeGiocatore_Click(0);
    EXPECT_EQ(h.form.NomeGiocatore[0].caption(), "Giocatore A");
    EXPECT_EQ(h.form.FrameStatistiche[0].caption(), "Statistiche Giocatore A");
    h.form.NomeGiocatore_Click(0);
    EXPECT_EQ(h.form.NomeGiocatore[0].caption(), "   ");
    EXPECT_EQ(h.form.FrameStatistiche[0].caption(), "Statistiche    ");
}

TEST(Renaming, NamesAreShownAsAMatchFileKeepsThem) {
    Harness h;
    h.platform.inputAnswers = {"Đoković", "Roland Garros – Paris", "", "Łódź Open"};
    h.form.NomeGiocatore_Click(0);
    EXPECT_EQ(h.form.NomeGiocatore[0].caption(), "?okovic");
    EXPECT_EQ(h.form.PuntoGiocatore[0].caption(), "?okovic");
    h.form.NomeTorneo_Click();
    EXPECT_EQ(h.form.NomeTorneo.caption(), "Roland Garros – Paris");
    h.form.NomeTorneo_Click();
    EXPECT_EQ(h.form.NomeTorneo.caption(), "Roland Garros – Paris");
    h.form.NomeTorneo_Click();
    EXPECT_EQ(h.form.NomeTorneo.caption(), "?ódz Open");
    EXPECT_EQ(h.platform.inputPrompts[3],
              "Inserire il nuovo nome|Cambio nome|Roland Garros – Paris");
}

TEST(Renaming, ExitEndsAtOnceEvenWithUnsavedPoints) {
    Harness h;
    h.record(0, 3);
    ASSERT_FALSE(h.form.MatchSaved);
    EXPECT_THROW(h.form.FileExit_Click(), testing::ProgramEnded);
    EXPECT_TRUE(h.platform.messages.empty());
}

}  // namespace
}  // namespace courtlog
