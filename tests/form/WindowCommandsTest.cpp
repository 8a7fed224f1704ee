#include <gtest/gtest.h>

#include "support/Harness.h"

namespace courtlog {
namespace {

using testing::Harness;

std::string names(Harness& h, int p) {
    return h.form.NomeGiocatore[p].caption() + "|" + h.form.PuntoGiocatore[p].caption() + "|" +
           h.form.FrameStatistiche[p].caption();
}

TEST(WindowCommands, NamesAreShownAsAMatchFileKeepsThemAndExitEndsAtOnce) {
    Harness h;
    h.platform.inputAnswers = {"Sinner", "", "   ", "Đoković", "Roland Garros – Paris", ""};
    h.form.NomeGiocatore_Click(1);
    EXPECT_EQ(h.platform.inputPrompts[0], "Inserire il nuovo nome|Cambio nome|Giocatore B");
    EXPECT_EQ(names(h, 1), "Sinner|Sinner|Statistiche Sinner");
    EXPECT_TRUE(h.form.MatchSaved);
    h.form.NomeGiocatore_Click(0);
    EXPECT_EQ(names(h, 0), "Giocatore A|Giocatore A|Statistiche Giocatore A");
    h.form.NomeGiocatore_Click(0);  // blanks are kept
    EXPECT_EQ(names(h, 0), "   |   |Statistiche    ");
    h.form.NomeGiocatore_Click(0);
    EXPECT_EQ(names(h, 0), "?okovic|?okovic|Statistiche ?okovic");

    h.form.NomeTorneo_Click();
    h.form.NomeTorneo_Click();
    EXPECT_EQ(h.form.NomeTorneo.caption(), "Roland Garros – Paris");
    EXPECT_EQ(h.platform.inputPrompts[5],
              "Inserire il nuovo nome|Cambio nome|Roland Garros – Paris");

    // Exit ends at once, even with unsaved points.
    h.record(0, 3);
    EXPECT_THROW(h.form.FileExit_Click(), testing::ProgramEnded);
    EXPECT_TRUE(h.platform.messages.empty());
}

}  // namespace
}  // namespace courtlog
