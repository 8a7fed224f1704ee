// Undo and redo of every change to the match, what "saved" means, saving to the current file,
// and the recovery file that outlives a window that died.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "storage/MatchDocument.h"
#include "storage/MatchFile.h"
#include "storage/Recovery.h"
#include "support/Harness.h"
#include "support/Snapshot.h"
#include "support/TempDir.h"

namespace courtlog {
namespace {

using namespace testing;

// Everything the user sees of the match, the match behind it (its rules, names, round and
// points) and the panel.
std::string everything(MainForm& f) {
    std::string s = snapshot(f) + encodeDocument(f.session().record());
    for (Panel p : {Panel::Servizio, Panel::DirittoRovescio, Panel::Colpo, Panel::ErroreVincente}) {
        s += std::to_string(f.view().panel(p).selected());
    }
    return s;
}

TEST(Undo, TakesBackAWholeMatchANewChangeDropsWhatWasUndoneAndADeletedPointRescores) {
    Harness h;
    const std::string fresh = everything(h.form);
    h.play(std::string(250, 'A'));  // the match ends; later presses record nothing
    EXPECT_EQ(h.session().points().count(), 72);
    // Nothing to undo for the presses after the end, and the user is told so in passing.
    EXPECT_TRUE(h.form.takeNotice());
    EXPECT_FALSE(h.form.takeNotice());
    while (h.form.view().canUndo) {
        h.form.EditUndo_Click();
    }
    EXPECT_EQ(std::tuple(everything(h.form), h.form.view().undoCaption),
              std::tuple(fresh, "Annulla"));
    h.form.EditRedo_Click();
    h.form.EditRedo_Click();
    h.play("B");
    EXPECT_EQ(std::tuple(h.form.view().canRedo, h.session().points().count()),
              std::tuple(false, 3));

    // Beyond what the history keeps, the oldest steps go first.
    for (int i = 0; i < 300; ++i) {
        h.rename(i % 2, "N" + std::to_string(i));
    }
    std::size_t undone = 0;
    for (; h.form.view().canUndo; ++undone) {
        h.form.EditUndo_Click();
    }
    EXPECT_EQ(undone, UndoHistory::kSteps);

    // Deleting a point rescores what follows it.
    Harness d;
    d.play("AAAABBBBA");
    d.form.goTo(4);  // A has just won the first game
    d.form.GameDelete_Click();
    EXPECT_EQ(std::tuple(d.session().points().count(), d.session().points().current(), d.board()),
              std::tuple(8, 3, "0-0 40-0"));
    d.form.goTo(d.session().points().count());
    EXPECT_EQ(d.board(), "0-0 40-40");  // BBBB and A after AAA
}

// The window's test saves a match file to its own file again without the dialog.
TEST(SaveCurrent, WritesWhereTheMatchLivesInItsFormatOrAsksWhereItCannotOrAnotherWindowSaved) {
    TempDir dir;
    Harness h;
    h.play("AB*B");
    const std::string clg = dir.file("m.clg");
    h.platform.saveChoices = {{clg, "m.clg"}};
    h.form.FileSaveCurrent_Click();
    // A name the match file cannot hold: the dialog again, on the document.
    h.rename(1, "Đoković");
    h.form.FileSaveCurrent_Click();
    EXPECT_EQ(std::tuple(h.platform.saveDialogNames.size(), h.session().saved(),
                         decodeMatch(TempDir::read(clg)).match.points.size()),
              std::tuple(2u, false, 4u));

    // A document loaded is written back as a document, whatever its name.
    const std::string doc = dir.file("odd name.clg");
    TempDir::write(doc, encodeDocument(h.session().record()));
    Harness other;
    ASSERT_TRUE(other.load(doc));
    other.play("A");
    other.form.FileSaveCurrent_Click();
    EXPECT_TRUE(other.platform.saveDialogNames.empty());
    EXPECT_EQ(TempDir::read(doc), encodeDocument(other.session().record()));

    // Another window saved into the file since this one loaded or saved it: nothing is written
    // before the user chooses, by Ctrl+S, by the dialog on the same file, or by the close's
    // save, which keeps the window open when cancelled.
    const std::string file = dir.file("m.courtlog");
    const auto pointsIn = [&] { return decodeDocument(TempDir::read(file)).match.points.size(); };
    Harness first, second;
    first.play("AB");
    first.platform.saveChoices = {{file, "m.courtlog"}, {file, "m.courtlog"}};
    first.form.FileSaveCurrent_Click();
    ASSERT_TRUE(second.load(file));
    second.play("BBB");
    second.form.FileSaveCurrent_Click();  // as it loaded it: no question
    first.play("A");
    first.platform.messageAnswers = {MsgAnswer::Cancel, MsgAnswer::SaveAs, MsgAnswer::Replace};
    std::vector<std::size_t> kept;
    for (int i = 0; i < 3; ++i) {  // the last finds its own file
        first.form.FileSaveCurrent_Click();
        kept.push_back(pointsIn());
    }
    second.play("A");
    second.platform.saveChoices = {{file, "m.courtlog"}};
    second.platform.messageAnswers = {MsgAnswer::Cancel};
    kept.push_back(second.form.Form_Unload());
    kept.push_back(pointsIn());
    const auto asked = [](std::size_t n) {
        return std::vector(n, MsgButtons::ReplaceSaveAsCancel);
    };
    EXPECT_EQ(std::tuple(first.platform.buttons, second.platform.buttons,
                         first.platform.saveDialogNames.size(), kept),
              std::tuple(asked(3), asked(1), 2u, std::vector<std::size_t>{5, 3, 3, 0, 3}));
}

void age(const std::string& file, std::chrono::hours by) {
    std::filesystem::last_write_time(file, std::filesystem::last_write_time(file) - by);
}

std::set<std::string> filesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) {
        names.insert(e.path().filename().string());
    }
    return names;
}

// Saved means the match equals the file: undoing back to it saves again, past it unsaves.
TEST(Recovery, TheFileFollowsEveryChangeAndACleanEndRemovesIt) {
    TempDir dir;
    Window w(dir.file(""));
    w.play("A");
    w.form.EditUndo_Click();  // back to the fresh match: saved, nothing to recover
    EXPECT_TRUE(w.session().saved() && filesIn(dir.file("")).empty());
    w.play("AB");
    w.rename(0, "Sinner");
    const std::string file = w.form.view().recoveryFile;
    const DecodedRecovery kept = decodeRecovery(TempDir::read(file));
    EXPECT_TRUE(sameMatch(kept.match, w.session().record()) && kept.match.unknown.empty());
    EXPECT_TRUE(w.platform.locks.count(lockPathOf(file)) &&
                std::regex_search(file, std::regex("recovery-[0-9]+\\.courtlog$")));

    // A save removes it, the next change writes it again, undoing back to the save removes it.
    w.platform.saveChoices = {{dir.file("m.courtlog"), "m.courtlog"}};
    w.form.FileSave_Click();
    EXPECT_FALSE(std::filesystem::exists(file));
    w.play("A");
    EXPECT_EQ(decodeRecovery(TempDir::read(file)).file, dir.file("m.courtlog"));
    w.form.EditUndo_Click();
    EXPECT_FALSE(std::filesystem::exists(file));
    w.form.EditUndo_Click();  // past the save: the file is written again
    EXPECT_EQ(std::tuple(w.session().saved(), w.labels().NomeGiocatore[0].caption(),
                         decodeRecovery(TempDir::read(file)).match.players[0]),
              std::tuple(false, "Giocatore A", "Giocatore A"));
    w.form.EditRedo_Click();
    EXPECT_TRUE(w.session().saved());

    // Declining the save that closing offers is a clean end too; the lock goes with it.
    w.play("A");
    EXPECT_TRUE(w.form.Form_Unload());
    EXPECT_EQ(std::tuple(filesIn(dir.file("")), w.platform.locks.size()),
              std::tuple(std::set<std::string>{"m.courtlog"}, 0u));

    // A file loaded over an unsaved match keeps that match a week among the declined.
    w.play("AB");
    ASSERT_TRUE(w.load(dir.file("m.courtlog")));
    const auto files = filesIn(dir.file(""));
    ASSERT_EQ(files.size(), 2u);
    EXPECT_TRUE(files.begin()->starts_with("declined-"));
    EXPECT_EQ(decodeRecovery(TempDir::read(dir.file(*files.begin()))).match.points.size(), 5u);
    EXPECT_TRUE(w.platform.locks.empty());
}

TEST(Recovery, AMatchLeftByAWindowThatDiedIsOfferedOnceTheMostRecentFirst) {
    TempDir dir;
    const std::string folder = dir.file("");
    const Locks machine = std::make_shared<std::set<std::string>>();
    Window running(folder, machine);
    running.play("B");
    // Two more windows chart at once, then die: no close step, and their locks go with them.
    std::optional<Window> first(std::in_place, folder, machine);
    std::optional<Window> second(std::in_place, folder, machine);
    first->play("A");
    second->rename(0, "Sinner");
    second->play("AAB");
    const std::string older = first->form.view().recoveryFile;
    first.reset();
    second.reset();
    age(older, std::chrono::hours(1));
    const std::string named = dir.file("named.clg");
    TempDir::write(named, encodeMatch(MatchRecord{}));

    // The running window's file is not offered; the newer one is declined, the older taken in
    // place of the file on the command line.
    Window next(folder, machine, {MsgAnswer::No, MsgAnswer::Yes}, named);
    ASSERT_EQ(next.platform.messages.size(), 2u);
    EXPECT_TRUE(std::regex_match(
        next.platform.messages[0],
        std::regex("È stata trovata una partita non salvata: Sinner-Giocatore B, 3 punti, "
                   "ultima modifica [0-3][0-9]/[01][0-9] [0-2][0-9]:[0-5][0-9]\\. "
                   "Ripristinarla\\?")));
    EXPECT_NE(next.platform.messages[1].find(": Giocatore A-Giocatore B, 1 punto, "),
              std::string::npos);
    // The running window's match is named in a notice the user may close.
    const std::string held = next.form.view().Avviso.text().italian();
    next.form.Avviso_Close();
    EXPECT_TRUE(held.starts_with("Un'altra finestra di Courtlog ha una partita non salvata (file "
                                 "di ripristino " +
                                 running.form.view().recoveryFile + ")") &&
                next.form.view().Avviso.text().empty());
    EXPECT_EQ(std::tuple(next.session().points().count(), next.session().saved(),
                         next.form.view().currentFile, next.form.view().recoveryFile),
              std::tuple(1, false, "", older));
    next.play("B");
    EXPECT_EQ(decodeRecovery(TempDir::read(older)).match.points.size(), 2u);

    // Never offered again: two windows run, and the declined file waits out its week.
    Window again(folder, machine);
    EXPECT_TRUE(again.platform.messages.empty());
    EXPECT_EQ(std::ranges::count_if(filesIn(folder), [](auto& f) { return f.starts_with("decl"); }),
              1);
}

// Only the user's own files are the program's: a link, or a file someone else put there, is
// never offered nor removed, since either could lead to another match.
TEST(Recovery, AFileThatCannotBeReadIsKeptAndAWeekOldDeclinedOneGoes) {
    TempDir dir, other;
    const std::string folder = dir.file("");
    TempDir::write(dir.file("recovery-1.courtlog"), "{\"format\": \"courtlog-match\"");
    TempDir::write(dir.file("declined-1.courtlog"), "{}");
    TempDir::write(dir.file("declined-2.courtlog"), "{}");
    age(dir.file("declined-1.courtlog"), std::chrono::hours(8 * 24));
    age(dir.file("declined-2.courtlog"), std::chrono::hours(6 * 24));
    std::set<std::string> kept = {"declined-2.courtlog", "recovery-1.courtlog"};
#ifndef _WIN32
    const std::string elsewhere = other.file("m.courtlog"),
                      theirs = dir.file("recovery-3.courtlog");
    TempDir::write(elsewhere, encodeDocument(MatchRecord{}));
    std::filesystem::create_symlink(elsewhere, dir.file("recovery-2.courtlog"));
    kept.insert("recovery-2.courtlog");
    if (::geteuid() == 0) {  // only root may give a file away
        std::filesystem::copy(elsewhere, theirs);
        ASSERT_EQ(::chown(theirs.c_str(), 4242, 4242), 0);
        kept.insert("recovery-3.courtlog");
    }
#endif
    // A command line of two quotes names no file, so nothing else is said.
    Window w(folder, std::make_shared<std::set<std::string>>(), {}, R"("")");
    ASSERT_EQ(w.platform.messages.size(), 1u);
    EXPECT_TRUE(w.platform.messages[0].starts_with("Impossibile leggere il file di ripristino "));
    EXPECT_EQ(std::tuple(filesIn(folder), w.platform.locks.size()), std::tuple(kept, 0u));
    // A file that cannot be set aside says so, and stays.
    std::filesystem::create_directories(other.file("declined-1.courtlog/x"));
    TempDir::write(other.file("recovery-1.courtlog"), "{}");
    EXPECT_FALSE(declineRecovery(other.file("recovery-1.courtlog")));
}

#ifndef _WIN32  // links need a privilege there
// The file a recovered match came from may be any path: the first save only offers it. A link
// put in the place of the recovery file is not written through.
TEST(Recovery, TheFileARecoveredMatchCameFromIsOnlySuggestedAndNoLinkIsWrittenThrough) {
    TempDir dir, other;
    const std::string named = other.file("m.courtlog"), chosen = other.file("c.courtlog"),
                      own = dir.file("recovery-1.courtlog");
    TempDir::write(named, "precious");
    TempDir::write(own, encodeRecovery(MatchRecord{}, named));
    Window w(dir.file(""));
    std::filesystem::remove(own);
    std::filesystem::create_symlink(named, own);
    w.platform.saveChoices = {{chosen, "c.courtlog"}};
    for (const char* point : {"A", "B", "A"}) {
        w.play(point);
        w.form.FileSaveCurrent_Click();
    }
    EXPECT_EQ(std::tuple(TempDir::read(named), w.platform.saveDialogNames,
                         decodeDocument(TempDir::read(chosen)).match.points.size()),
              std::tuple("precious", std::vector{named}, 3u));
}
#endif

// A match file may set more marks than its rules need; a save of the match taken back must
// still give its bytes.
TEST(Recovery, TheDocumentKeepsTheFileAndTheMarksOfAMatchFile) {
    // The video's path stays absolute: only a saved document keeps it relative to itself.
    MatchRecord m{.tieBreakMarks = {true, true, true},
                  .points = {1, 2},
                  .videoMs = {kNoTime, 9},
                  .video = {"/x/v.mp4", 250}};
    const DecodedRecovery back = decodeRecovery(encodeRecovery(m, "/x/a.clg"));
    // The same match compares the marks, the video and its moments too.
    EXPECT_EQ(std::tuple(back.file, back.match.unknown, sameMatch(back.match, m)),
              std::tuple("/x/a.clg", "", true));
    // Marks that would score it otherwise are not taken.
    std::string doc = encodeRecovery(m, "");
    doc.replace(doc.find("[true,true,true]"), 16, "[true,false,false]");
    EXPECT_EQ(decodeRecovery(doc).match.tieBreakMarks, marksOf(m.rules.tieBreakRule()));
}

}  // namespace
}  // namespace courtlog
