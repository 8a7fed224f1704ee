// The window model: point words by name, renaming and the system information.
#include <gtest/gtest.h>

#include "form/SystemInfo.h"
#include "support/Harness.h"

namespace courtlog {
namespace {

using namespace testing;

TEST(PointInfo, UnknownNameIsReportedAndEndsTheProgram) {
    Harness h;
    PointWord w = 0x0070;
    EXPECT_EQ(h.form.EstraiInfo(w, "Colpo"), 7);
    h.form.CreaInfo(w, "Punto", 1);
    EXPECT_EQ(w, 0x0071);

    // Names are exact: case and blanks matter.
    EXPECT_THROW(h.form.EstraiInfo(w, "punto"), ProgramEnded);
    EXPECT_THROW(h.form.CreaInfo(w, "Colpo ", 1), ProgramEnded);
    EXPECT_EQ(h.platform.messages,
              (std::vector<std::string>{"Chiamata a EstraiInfo non valida (punto)",
                                        "Chiamata a CreaInfo non valida (Colpo )"}));
    EXPECT_EQ(h.platform.buttons[0], MsgButtons::Ok);
    EXPECT_EQ(w, 0x0071);
}

std::string names(Harness& h, int p) {
    return h.form.labels.NomeGiocatore[p].caption() + "|" +
           h.form.labels.PuntoGiocatore[p].caption() + "|" +
           h.form.labels.FrameStatistiche[p].caption();
}

TEST(WindowCommands, NamesAreShownAsAMatchFileKeepsThemAndExitEndsAtOnce) {
    Harness h;
    h.platform.inputAnswers = {"Sinner", "", "   ", "Đoković", "Roland Garros – Paris", ""};
    h.form.NomeGiocatore_Click(1);
    EXPECT_EQ(h.platform.inputPrompts[0], "Inserire il nuovo nome|Cambio nome|Giocatore B");
    EXPECT_EQ(names(h, 1), "Sinner|Sinner|Statistiche Sinner");
    EXPECT_TRUE(h.form.matchSaved());
    // An empty answer keeps the name; blanks are a name.
    for (const char* shown : {"Giocatore A|Giocatore A|Statistiche Giocatore A",
                              "   |   |Statistiche    ", "?okovic|?okovic|Statistiche ?okovic"}) {
        h.form.NomeGiocatore_Click(0);
        EXPECT_EQ(names(h, 0), shown);
    }

    h.form.NomeTorneo_Click();
    h.form.NomeTorneo_Click();
    EXPECT_EQ(h.form.labels.NomeTorneo.caption(), "Roland Garros – Paris");
    // As long as a match file can keep a name, and no longer.
    for (const std::size_t typed : {32767u, 32768u}) {
        h.platform.inputAnswers.push_back(std::string(typed, 'x'));
        h.form.NomeTorneo_Click();
        EXPECT_EQ(h.form.labels.NomeTorneo.caption().size(), 32767u);
    }

    // Exit ends at once, even with unsaved points.
    h.play("AAA");
    EXPECT_THROW(h.form.FileExit_Click(), ProgramEnded);
    EXPECT_TRUE(h.platform.messages.empty());
}

constexpr const char* kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

void put(FakePlatform& p, const char* key, const char* name, const std::string& value) {
    p.memoryRegistry.put(Registry::LocalMachine, key, name, Registry::TypeText, value);
}

TEST(SystemInfo, ThePathValueComesFirstThenTheFolderAndAnyFailureIsOneMessage) {
    FakePlatform p;
    put(p, kPathKey, "PATH", std::string("C:\\Tools\\msinfo32.exe\0", 22));
    put(p, kFolderKey, "MSINFO", "C:\\Other");
    StartSysInfo(p);
    EXPECT_EQ(p.started, std::vector<std::string>{"C:\\Tools\\msinfo32.exe"});
    EXPECT_TRUE(p.messages.empty());
    EXPECT_EQ(p.memoryRegistry.openHandles(), 0);

    FakePlatform folder;
    put(folder, kFolderKey, "MSINFO", "C:\\Shared");
    folder.existingFiles.insert("C:\\Shared\\MSINFO32.EXE");
    StartSysInfo(folder);
    EXPECT_EQ(folder.started, std::vector<std::string>{"C:\\Shared\\MSINFO32.EXE"});

    FakePlatform nothing, noProgram, failing;
    put(noProgram, kFolderKey, "MSINFO", "C:\\Shared");
    failing.startSucceeds = false;
    put(failing, kPathKey, "PATH", "x");
    for (FakePlatform* p : {&nothing, &noProgram, &failing}) {
        StartSysInfo(*p);
        EXPECT_EQ(p->messages,
                  std::vector<std::string>{
                      "Le informazioni sul sistema non sono attualmente disponibili."});
    }
}

TEST(SystemInfo, ValuesAreReadAsText) {
    FakePlatform p;
    auto& r = p.memoryRegistry;
    put(p, "K", "cut", std::string("abc\0", 4));
    r.put(Registry::LocalMachine, "K", "number", Registry::TypeNumber,
          std::string("\x1A\x02\x00\x00", 4));
    r.put(Registry::LocalMachine, "K", "binary", 3, "zz");
    const auto read = [&](const char* key, const char* name, std::string v) {
        const bool found = GetKeyValue(r, Registry::LocalMachine, key, name, v);
        return (found ? "" : "missing ") + v;
    };
    EXPECT_EQ(read("k", "CUT", ""), "abc");     // key paths compare regardless of case
    EXPECT_EQ(read("K", "number", ""), "538");  // digits 0, 0, 2, 1A read as 0x0021A
    EXPECT_EQ(read("K", "binary", "kept"), "kept");
    EXPECT_EQ(read("K", "absent", "x"), "missing ");
    EXPECT_EQ(read("Nope", "cut", "x"), "missing ");
    EXPECT_EQ(r.openHandles(), 0);
}

}  // namespace
}  // namespace courtlog
