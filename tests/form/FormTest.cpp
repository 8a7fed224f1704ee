// The window model: recording points from the panel (the word each point leaves, points in the
// middle of the history, the limit of the list), point words by name, renaming and the system
// information.
#include <gtest/gtest.h>

#include "form/SystemInfo.h"
#include "support/Harness.h"
#include "support/TempDir.h"

namespace courtlog {
namespace {

using namespace testing;

// A history of count points whose words differ in every slot (winner, shot and error), standing
// at position current as navigation leaves it.
void standIn(Harness& h, int count, int current) {
    MatchRecord m = h.session().record();
    m.points.clear();
    for (int k = 0; k < count; ++k) {
        m.points.push_back(static_cast<PointWord>((k % 2) | ((k % 8) << 4) | ((k % 5) << 7)));
    }
    h.form.applyMatch(m);
    h.form.goTo(current);
}

TEST(PointEntry, PanelAndServeOutcomeButtonsMakeTheWordAtTheEnd) {
    Harness h;
    MainForm& f = h.form;
    standIn(h, 5, 5);
    f.SelectOption(Panel::Servizio, 1);
    EXPECT_TRUE(f.session().saved());  // marking a new point changes no recorded one
    f.SelectOption(Panel::ErroreVincente, 3);
    f.SelectOption(Panel::Colpo, 0);  // no shot: the error stays
    EXPECT_EQ(f.view().ErroreVincente.selected(), 3);
    f.SelectOption(Panel::Colpo, 6);  // a shot makes it a winner (the window's test)...
    f.SelectOption(Panel::ErroreVincente, 4);
    f.SelectOption(Panel::Colpo, 6);  // ...until an error is chosen, even for the same shot
    f.SelectOption(Panel::Colpo, 8);  // no such option
    f.PuntoGiocatore_Click(1);        // the panel starts again: the window's test

    // Leftover marks that an ace must not keep. The serve outcomes credit the point by who
    // serves it: an ace and a service winner to the server, a double fault to the receiver.
    f.SelectOption(Panel::DirittoRovescio, 2);
    f.SelectOption(Panel::Colpo, 3);
    std::vector<PointWord> expected{0x0263};
    for (const auto& [outcome, word] : {std::pair{1, 0x0400}, {2, 0x0803}, {3, 0x0C02}}) {
        const int server = f.session().score().server;
        if (outcome == 3) {
            f.SelectOption(Panel::Servizio, 1);  // a service winner keeps the marked serve
        }
        f.AceDoppioFallo_Click(outcome);
        expected.push_back(static_cast<PointWord>(outcome == 2 ? word ^ server : word | server));
    }
    const std::vector<PointWord> all = f.session().record().points;
    EXPECT_EQ(std::vector(all.begin() + 5, all.end()), expected);

    // Stepping back, the panel shows the next point as stored, with its button in focus; marking
    // it again edits it in place.
    f.goTo(5);
    EXPECT_EQ(std::to_string(f.view().Colpo.selected()) + " " + f.view().focus.objectName(),
              "6 PuntoGiocatore_0");
    f.goTo(f.session().points().current() + 1);  // the ace
    EXPECT_EQ(f.view().focus.objectName(), "AceDoppioFallo_1");
    f.SelectOption(Panel::Colpo, 5);
    EXPECT_EQ(EstraiInfo(f.session().points().at(6), Attr::Colpo), 5);
}

TEST(PointEntry, ListHoldsAtMostAThousandPoints) {
    Harness h;
    // Points alternating from deuce on never end the game.
    standIn(h, 999, 999);
    h.form.AceDoppioFallo_Click(1);  // the thousandth is still taken
    EXPECT_EQ(h.session().points().count(), 1000);
    h.platform.messageAnswers.push_back(MsgAnswer::No);
    const std::vector<PointWord> before = h.session().record().points;
    h.form.PuntoGiocatore_Click(1);
    h.form.AceDoppioFallo_Click(1);
    EXPECT_EQ(h.platform.messages,
              std::vector<std::string>(
                  2, "Impossibile registrare altri punti: la partita ha già 1000 punti."));
    EXPECT_EQ(h.session().record().points, before);
    // The refused click marked nothing: the ace, recorded again with a player's button, is not
    // an ace any more.
    h.form.goTo(h.session().points().current() - 1);
    h.play("B");
    EXPECT_EQ(h.session().points().at(999), 0x0001);

    // In a full list a point can still replace one, but an insert answer cannot grow it.
    standIn(h, 1000, 500);
    h.platform.residualAnswers.push_back(ResidualAnswer::Insert);
    h.form.PuntoGiocatore_Click(0);
    EXPECT_FALSE(h.platform.residualQuestions.at(0).offerInsert);
    EXPECT_EQ(h.session().points().count(), 1000);
}

TEST(PointInfo, UnknownNameIsReportedAndEndsTheProgram) {
    Harness h;
    PointWord w = 0x0070;
    EXPECT_EQ(EstraiInfo(h.platform, w, "Colpo"), 7);
    CreaInfo(h.platform, w, "Punto", 1);
    EXPECT_EQ(w, 0x0071);

    // Names are exact: case and blanks matter.
    EXPECT_THROW(EstraiInfo(h.platform, w, "punto"), ProgramEnded);
    EXPECT_THROW(CreaInfo(h.platform, w, "Colpo ", 1), ProgramEnded);
    EXPECT_EQ(std::tuple(h.platform.messages, h.platform.buttons[0], w),
              std::tuple(std::vector<std::string>{"Chiamata a EstraiInfo non valida (punto)",
                                                  "Chiamata a CreaInfo non valida (Colpo )"},
                         MsgButtons::Ok, 0x0071));
}

std::string names(Harness& h, int p) {
    return h.labels().NomeGiocatore[p].caption() + "|" + h.labels().PuntoGiocatore[p].caption() +
           "|" + h.labels().FrameStatistiche[p].caption();
}

TEST(WindowCommands, NamesAreShownAsTypedAndExitEndsAtOnce) {
    Harness h;
    h.platform.inputAnswers = {"Sinner", "", "   ", "Đoković", "Roland Garros – Paris", ""};
    h.form.NomeGiocatore_Click(1);
    EXPECT_EQ(h.platform.inputPrompts[0], "Inserire il nuovo nome|Cambio nome|Giocatore B");
    EXPECT_EQ(names(h, 1), "Sinner|Sinner|Statistiche Sinner");
    // An empty answer keeps the name; blanks are a name.
    for (const char* shown : {"Giocatore A|Giocatore A|Statistiche Giocatore A",
                              "   |   |Statistiche    ", "Đoković|Đoković|Statistiche Đoković"}) {
        h.form.NomeGiocatore_Click(0);
        EXPECT_EQ(names(h, 0), shown);
    }

    h.form.NomeTorneo_Click();
    h.form.NomeTorneo_Click();
    EXPECT_EQ(h.labels().NomeTorneo.caption(), "Roland Garros – Paris");
    // As many characters as a match file can keep, and no more; a character is never cut.
    std::string accents;
    for (int i = 0; i < 32768; ++i) {
        accents += "é";
    }
    for (const std::string& typed : {std::string(32767, 'x'), std::string(32768, 'x'), accents}) {
        h.platform.inputAnswers.push_back(typed);
        h.form.NomeTorneo_Click();
        EXPECT_EQ(h.labels().NomeTorneo.caption(),
                  typed.substr(0, typed[0] == 'x' ? 32767 : 2 * 32767));
    }

    // Exit ends at once, even with unsaved points.
    h.play("AAA");
    EXPECT_THROW(h.form.FileExit_Click(), ProgramEnded);
    EXPECT_TRUE(h.platform.messages.empty());
}

// A name is put into a message as typed: a "%1" or "%2" in it is never filled in again. A
// question at start-up shows a long name cut.
TEST(WindowCommands, EveryMessageThatNamesAPlayerShowsTheNameAsTyped) {
    TempDir dir;
    const std::string b = "%1" + std::string(200, 'x');
    {
        Window h(dir.file(""));
        h.rename(0, "%2 Ć%1");
        h.rename(1, b);
        // Saved at the end of the match as a match file, which cannot be written there.
        h.platform.saveChoices.push_back({dir.file("no/m.clg"), "%2 Ć%1.clg"});
        h.useThreeSets();
        h.play("aaaaaa aaaaaa");
        EXPECT_EQ(h.platform.messages,
                  (std::vector<std::string>{
                      "Fine partita! Ha vinto %2 Ć%1 in 2 set. Vuoi salvare la partita?",
                      "Un file .clg non può conservare:\n- il nome \"%2 Ć%1\", che diventerebbe "
                      "\"%2 C%1\"\nSalvare comunque il file %2 Ć%1.clg in questo formato?",
                      "Impossibile salvare il file %2 Ć%1.clg: la cartella non esiste"}));
    }  // the window dies, its match left in the recovery folder
    Window next(dir.file(""));
    const std::string offer = "È stata trovata una partita non salvata: %2 Ć%1-" +
                              b.substr(0, 100) + "…, 48 punti, ultima modifica ";
    EXPECT_EQ(next.platform.messages.at(0).substr(0, offer.size()), offer);
    // Only "%" and a digit make a place for an argument.
    EXPECT_EQ(Text::pattern("%1 a 1 set").arg(Text::verbatim("%2")).italian(), "%2 a 1 set");
}

constexpr const char* kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

void put(FakePlatform& p, const char* key, const char* name, const std::string& value) {
    p.memoryRegistry.put(Registry::LocalMachine, key, name, Registry::TypeText, value);
}

TEST(SystemInfo, ThePathValueComesFirstThenTheFolderAnyFailureIsOneMessageValuesAreText) {
    FakePlatform p;
    put(p, kPathKey, "PATH", std::string("C:\\Tools\\msinfo32.exe\0", 22));
    put(p, kFolderKey, "MSINFO", "C:\\Other");
    StartSysInfo(p);
    EXPECT_EQ(std::tuple(p.started, p.messages.size(), p.memoryRegistry.openHandles()),
              std::tuple(std::vector<std::string>{"C:\\Tools\\msinfo32.exe"}, 0u, 0));

    // Nothing found, a folder without the program, a program that does not start.
    FakePlatform nothing, folder, failing;
    put(folder, kFolderKey, "MSINFO", "C:\\Shared");
    failing.startSucceeds = false;
    put(failing, kPathKey, "PATH", "x");
    for (FakePlatform* q : {&nothing, &folder, &failing}) {
        StartSysInfo(*q);
        EXPECT_EQ(q->messages, std::vector<std::string>(1,
                                                        "Le informazioni sul sistema non "
                                                        "sono attualmente disponibili."));
    }
    folder.existingFiles.insert("C:\\Shared\\MSINFO32.EXE");
    StartSysInfo(folder);
    EXPECT_EQ(folder.started, std::vector<std::string>{"C:\\Shared\\MSINFO32.EXE"});

    // Values are read as text.
    auto& r = p.memoryRegistry;
    put(p, "K", "cut", std::string("abc\0", 4));
    r.put(Registry::LocalMachine, "K", "number", Registry::TypeNumber,
          std::string("\x1A\x02\x00\x00", 4));
    r.put(Registry::LocalMachine, "K", "binary", 3, "zz");
    const auto read = [&](const char* key, const char* name, std::string v) {
        const bool found = GetKeyValue(r, Registry::LocalMachine, key, name, v);
        return (found ? "" : "missing ") + v;
    };
    // Key paths compare regardless of case; the number's digits 0, 0, 2, 1A read as 0x0021A.
    EXPECT_EQ(std::tuple(read("k", "CUT", ""), read("K", "number", ""), read("K", "binary", "kept"),
                         read("K", "absent", "x"), read("Nope", "cut", "x"), r.openHandles()),
              std::tuple("abc", "538", "kept", "missing ", "missing ", 0));
}

}  // namespace
}  // namespace courtlog
