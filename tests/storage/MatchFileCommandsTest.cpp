#include <gtest/gtest.h>

#include "history/HtmlReport.h"
#include "history/MatchHistory.h"
#include "storage/MatchFile.h"
#include "support/Harness.h"
#include "support/Snapshot.h"
#include "support/TempDir.h"

namespace courtlog {
namespace {

using testing::Harness;
using testing::snapshot;
using testing::TempDir;

TEST(MatchFileCommands, DefaultNameFollowsNamesTournamentAndRound) {
    Harness h;
    EXPECT_EQ(h.form.defaultFileName(), "Giocatore A-Giocatore B (Nome torneo).clg");
    h.form.Turno.select(7);
    EXPECT_EQ(h.form.defaultFileName(), "Giocatore A-Giocatore B (Nome torneo, Finale).clg");
    h.form.NomeTorneo.setCaption("Roma 1/2");
    h.form.Turno.select(-1);
    // A "/" cannot stand in a file name.
    EXPECT_EQ(h.form.defaultFileName(), "Giocatore A-Giocatore B (Roma 1-2).clg");
}

TEST(MatchFileCommands, FreshMatchSavedByteForByte) {
    TempDir dir;
    Harness h;
    h.form.Form_Load();
    h.platform.saveChoices.push_back({dir.file("fresh.clg"), "fresh.clg"});
    h.form.FileSave_Click();
    const std::string bytes = TempDir::read(dir.file("fresh.clg"));
    ASSERT_EQ(bytes.size(), 48u);
    EXPECT_EQ(bytes.substr(0, 10), std::string("\x05\x00\x00\x00\xFF\xFF\x00\x00\x0B\x00", 10));
    EXPECT_EQ(bytes.substr(10, 11), "Giocatore A");
    EXPECT_EQ(bytes.back(), '\0');
}

TEST(MatchFileCommands, SaveThenLoadGivesTheSameMatch) {
    TempDir dir;
    const std::string path = dir.file("match.clg");
    Harness a;
    a.useThreeSets();
    a.useTieBreakRule(2);
    a.rename(0, "Schiavone");
    a.rename(1, "Stosur è");
    a.form.NomeTorneo.setCaption("Roland Garros");
    a.form.Turno.select(7);
    a.games("AAAAAB ABABABABAB");
    a.form.SelectOption(Panel::Colpo, 4);
    a.play("ABAB*!");
    a.form.GameUndo_Click();
    a.form.GameUndo_Click();  // the whole list is saved wherever the user stands
    a.platform.saveChoices.push_back({path, "match.clg"});
    a.form.FileSave_Click();
    EXPECT_TRUE(a.form.MatchSaved);

    Harness b;
    b.form.Form_Load();
    b.platform.openChoices.push_back({path, "match.clg"});
    b.form.FileLoad_Click();
    EXPECT_TRUE(b.platform.messages.empty());
    EXPECT_EQ(b.form.PointCount, a.form.PointCount);
    EXPECT_EQ(b.form.CurrentPoint, b.form.PointCount);
    for (int k = 0; k < a.form.PointCount; ++k) {
        EXPECT_EQ(b.form.PointInfo[k], a.form.PointInfo[k]) << k;
    }
    EXPECT_EQ(b.form.NomeGiocatore[1].caption(), "Stosur è");
    EXPECT_EQ(b.form.PuntoGiocatore[1].caption(), "Stosur è");
    EXPECT_EQ(b.form.FrameStatistiche[0].caption(), "Statistiche Schiavone");
    EXPECT_EQ(b.form.NomeTorneo.caption(), "Roland Garros");
    EXPECT_EQ(b.form.Turno.selected(), 7);
    EXPECT_TRUE(b.form.MatchInTreSet.checked());
    EXPECT_FALSE(b.form.Set4[0].visible());
    EXPECT_TRUE(b.form.TieBreakWhen[2].checked());
    EXPECT_TRUE(b.form.MatchSaved);
    a.form.GameEnd_Click();
    EXPECT_EQ(snapshot(b.form), snapshot(a.form));
}

TEST(MatchFileCommands, CancelledDialogsChangeNothing) {
    Harness h;
    h.play("AB");
    const std::string before = snapshot(h.form);
    h.form.FileSave_Click();
    EXPECT_FALSE(h.form.MatchSaved);
    h.form.FileLoad_Click();
    EXPECT_EQ(h.platform.openDialogs, 1);
    EXPECT_EQ(snapshot(h.form), before);
    EXPECT_TRUE(h.platform.messages.empty());
}

TEST(MatchFileCommands, FailedSaveIsReportedAndKeepsEverything) {
    TempDir dir;
    Harness h;
    h.play("AB");
    h.platform.saveChoices.push_back({dir.file("no/such/folder/m.clg"), "m.clg"});
    h.form.FileSave_Click();
    ASSERT_EQ(h.platform.messages.size(), 1u);
    EXPECT_EQ(h.platform.messages[0].text,
              "Impossibile salvare il file m.clg: la cartella non esiste");
    EXPECT_FALSE(h.form.MatchSaved);
    EXPECT_EQ(h.form.PointCount, 2);
}

TEST(MatchFileCommands, LoadFaultsAndTheirMessages) {
    TempDir dir;
    Harness h;
    h.play("AAB");
    const std::string before = snapshot(h.form);

    // A missing file, named in the message by its name alone.
    h.form.MatchFileName = dir.file("Giocatore A-Giocatore B (Nome torneo).clg");
    h.form.FileLoad_Click();
    EXPECT_EQ(h.platform.texts().back(),
              "Errore 53 nell'apertura del file Giocatore A-Giocatore B (Nome torneo).clg. "
              "Controllare la sua presenza!");
    EXPECT_TRUE(h.form.MatchFileName.empty());

    // A folder instead of a file, and a header cut short: one message each, nothing changes.
    h.platform.openChoices.push_back({dir.file(""), "x"});
    h.form.FileLoad_Click();
    EXPECT_EQ(h.platform.texts().back(), "Errore 75 durante il processo di apertura file.");
    TempDir::write(dir.file("short.clg"), std::string("\x05\x00\x00", 3));
    h.platform.openChoices.push_back({dir.file("short.clg"), "short.clg"});
    h.form.FileLoad_Click();
    EXPECT_EQ(h.platform.texts().back(), "Errore 62 durante il processo di apertura file.");
    EXPECT_EQ(h.platform.messages.size(), 3u);
    EXPECT_EQ(snapshot(h.form), before);
    EXPECT_FALSE(h.form.MatchSaved);
}

TEST(MatchFileCommands, RecoverableFaultsLoadTheRest) {
    TempDir dir;
    MatchRecord m;
    m.setsInMatch = 3;
    m.tieBreakWhen = {false, false, false};
    m.points = {0, 0, 0, 0, 1};
    std::string bytes = encodeMatch(m);
    bytes[14 + 11 + 11 + 11] = 9;  // round byte beyond the list
    TempDir::write(dir.file("m.clg"), bytes);

    Harness h;
    h.form.Turno.select(3);
    h.form.MatchFileName = dir.file("m.clg");
    h.form.FileLoad_Click();
    EXPECT_EQ(h.platform.texts(),
              std::vector<std::string>{"Errore 380 durante il processo di apertura file."});
    EXPECT_EQ(h.form.Turno.selected(), 3);
    EXPECT_EQ(h.board(), "1-0 0-15");
    // No tie-break item checked, and no refusal for the three sets.
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(h.form.TieBreakWhen[i].checked());
    }
    EXPECT_EQ(h.form.SetsInMatch, 3);
}

TEST(MatchFileCommands, LoadingThreeSetsOverAFiveSetMatchInItsFourthSet) {
    TempDir dir;
    MatchRecord m;
    m.setsInMatch = 3;
    TempDir::write(dir.file("m.clg"), encodeMatch(m));
    Harness h;
    h.games("AAAAAA BBBBBB AAAAAA B");
    ASSERT_EQ(h.form.CurrentSet, 3);
    h.platform.openChoices.push_back({dir.file("m.clg"), "m.clg"});
    h.form.FileLoad_Click();
    EXPECT_TRUE(h.platform.messages.empty());
    EXPECT_TRUE(h.form.MatchInTreSet.checked());
    EXPECT_EQ(h.form.PointCount, 0);
    EXPECT_EQ(h.board(), "0-0 0-0");
}

TEST(MatchFileCommands, EndOfMatchQuestionSaves) {
    TempDir dir;
    Harness h;
    h.useThreeSets();
    h.platform.messageAnswers = {MsgAnswer::Yes};
    h.platform.saveChoices.push_back({dir.file("final.clg"), "final.clg"});
    h.games("AAAAAA AAAAAA");
    ASSERT_TRUE(h.form.MatchOver);
    EXPECT_TRUE(h.form.MatchSaved);
    const DecodedMatch d = decodeMatch(TempDir::read(dir.file("final.clg")));
    EXPECT_EQ(d.match.points.size(), 48u);  // the last point included
}

TEST(MatchFileCommands, StartUpWithAndWithoutACommandLine) {
    TempDir dir;
    MatchRecord m;
    m.players = {"Pennetta", "Vinci"};
    m.round = 7;
    m.points = {1, 1, 1};
    TempDir::write(dir.file("final.clg"), encodeMatch(m));

    Harness quoted;
    quoted.form.Form_Activate("\"" + dir.file("final.clg") + "\"");
    EXPECT_EQ(quoted.form.NomeGiocatore[0].caption(), "Pennetta");
    EXPECT_EQ(quoted.form.Turno.selected(), 7);
    EXPECT_EQ(quoted.board(), "0-0 0-40");
    EXPECT_TRUE(quoted.form.MatchFileName.empty());

    Harness plain;
    plain.form.Form_Activate(dir.file("final.clg"));
    EXPECT_EQ(plain.form.NomeGiocatore[1].caption(), "Vinci");

    Harness missing;
    missing.form.Form_Activate("\"" + dir.file("gone.clg") + "\"");
    EXPECT_EQ(missing.platform.texts(),
              std::vector<std::string>{
                  "Errore 53 nell'apertura del file gone.clg. Controllare la sua presenza!"});
    EXPECT_EQ(missing.form.PointCount, 0);

    Harness none;
    none.form.SelectOption(Panel::Servizio, 1);
    none.form.Turno.select(4);
    none.form.Form_Activate("");
    EXPECT_EQ(none.form.Servizio.selected(), 0);
    EXPECT_EQ(none.form.workingWord(), 0);
    EXPECT_EQ(none.form.Turno.selected(), 0);
    EXPECT_EQ(none.form.focus.objectName, "PuntoGiocatore_0");
}

TEST(ReportExport, WritesThePageOfTheWholeMatch) {
    TempDir dir;
    Harness h;
    h.form.Turno.select(5);
    h.play("AAAA BB");
    h.form.GameUndo_Click();  // the report covers every recorded point, wherever one stands
    h.platform.saveChoices.push_back({dir.file("r.html"), "r.html"});
    h.form.FileEsporta_Click();
    EXPECT_EQ(h.platform.saveDialogNames.back(),
              "Giocatore A-Giocatore B (Nome torneo, Quarti di finale).html");
    EXPECT_EQ(h.platform.saveDialogFilters.back(), "Pagina web (*.html)");
    EXPECT_EQ(TempDir::read(dir.file("r.html")), htmlReport(buildHistory(h.form.matchRecord())));
    EXPECT_EQ(h.form.CurrentPoint, 5);
    EXPECT_TRUE(h.platform.messages.empty());

    // Cancelled: nothing written. Failing: said in Italian, nothing else changes.
    h.form.FileEsporta_Click();
    h.platform.saveChoices.push_back({dir.file("nowhere/r.html"), "r.html"});
    h.form.FileEsporta_Click();
    EXPECT_EQ(
        h.platform.texts(),
        std::vector<std::string>{"Impossibile salvare il file r.html: la cartella non esiste"});
    EXPECT_FALSE(h.form.MatchSaved);
    EXPECT_EQ(h.form.PointCount, 6);
}

}  // namespace
}  // namespace courtlog
