// The match file: its bytes, the names in them, files damaged or made to hurt, and the
// commands that save and load it.
#include "storage/MatchFile.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <sys/stat.h>
#endif

#include <numeric>

#include "storage/Cp1252.h"
#include "support/Harness.h"
#include "support/Snapshot.h"
#include "support/TempDir.h"

namespace courtlog {
namespace {

using namespace testing;
using Points = std::vector<PointWord>;

// A fresh match is 48 bytes, any non-zero flag is read as set and an odd last byte is no point.
// Names take one byte per character, and what the file cannot hold is cut: a name at 32767
// bytes, the list at a thousand points when written and when read, a round past 255 to none.
TEST(MatchFile, BytesOfAMatchAndWhatTheFileCannotHold) {
    const std::string bytes = std::string("\x05\x00\x00\x00\xFF\xFF\x00\x00\x0B\x00", 10) +
                              "Giocatore A" + std::string("\x0B\x00", 2) + "Giocatore B" +
                              std::string("\x0B\x00", 2) + "Nome torneo" + std::string(1, '\0');
    EXPECT_EQ(encodeMatch(MatchRecord{}), bytes);
    // Flags 0, 0, 1; two points and an odd trailing byte.
    const DecodedMatch d = decodeMatch(bytes.substr(0, 4) + std::string("\0\0\x01\0", 4) +
                                       bytes.substr(8) + std::string("\x01\x00\x00\x00\x05", 5));
    EXPECT_EQ(std::tuple(d.fatalError, d.match.tieBreakMarks, d.match.points),
              std::tuple(std::nullopt, std::array<bool, 3>{false, false, true}, Points{1, 0}));

    // The first name typed decomposed: "è" is one byte, 0xE8.
    const std::string cut = encodeMatch({.players = {"Parita\xCC\x80", ""},
                                         .tournament = std::string(32768, 'T'),
                                         .round = 300,
                                         .points = Points(1500, 1)});
    EXPECT_EQ(cut.substr(8, 8), std::string("\x06\x00Parit\xE0", 8));
    EXPECT_EQ(cut.size(), 15u + 6 + 32767 + 2000);
    const DecodedMatch r = decodeMatch(cut + std::string(1 << 20, '\1'));
    // An empty name is no bad length.
    EXPECT_EQ(std::tuple(r.errors.empty(), r.match.players, r.match.tournament, r.match.round,
                         r.match.points),
              std::tuple(true, std::array<std::string, 2>{"Parità", ""}, std::string(32767, 'T'), 0,
                         Points(1000, 1)));
}

TEST(Cp1252, KeepsWhatTheCodePageHoldsAndFoldsTheRest) {
    const std::pair<const char*, const char*> folds[] = {
        {"Parità Müller Ñandú Œuvre €5 – “ok”", "Parità Müller Ñandú Œuvre €5 – “ok”"},
        {"Šťa", "Šta"},  // ť is not in the code page, Š is
        {"Đoković Ćorić", "?okovic Coric"},
        {"Łukasz", "?ukasz"},      // no decomposition
        {"Ǻ Nguyễn", "Å Nguyên"},  // the nearest letter the page has
        {"李娜 🎾", "?? ?"},
        // Typed in decomposed form: composed first ("e" and an acute are "é").
        {"Ame\xCC\x81lie Nguye\xCC\x82\xCC\x83n", "Amélie Nguyên"},
        {"\xCC\x81x x\xCC\x81", "?x x?"},  // a mark with no letter, or one it cannot join
        {"\xC2\x80", "?"},                 // a control character, not the euro sign of byte 0x80
        // Malformed input: a stray byte, a cut sequence, an encoded surrogate.
        {"a\377b x\303 \200", "a?b x? ?"},
        {"\355\240\200\342\202A", "???A"},
    };
    for (const auto& [in, out] : folds) {
        EXPECT_EQ(foldToCp1252(in), out) << in;
    }
    // Every byte reads back to itself, the undefined ones too: a name read from a file is
    // written back byte for byte.
    std::string all(256, '\0');
    std::iota(all.begin(), all.end(), '\0');
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
    EXPECT_EQ(cp1252ToUtf8("\x81\x80\x9F\xE0"), "\xC2\x81€Ÿà");
}

std::string opening(int error) {
    return "Errore " + std::to_string(error) + " durante il processo di apertura file.";
}

// Anything but a regular file is refused at once, as a folder is, naming the file and why; a
// pipe would block for ever.
TEST(HostileFile, UnusableFilesChangeNothingOnScreen) {
    const auto notAFile = [](const std::string& title) {
        return opening(75) + " " + title + ": il percorso non indica un file";
    };
    TempDir dir;
    std::filesystem::create_directory(dir.file("folder.clg"));
#ifdef _WIN32
    const std::string pipeName = "courtlog-" + std::to_string(::GetCurrentProcessId());
    const std::string pipe = "\\\\.\\pipe\\" + pipeName, device = "NUL", deviceName = device;
    const HANDLE server =
        ::CreateNamedPipeA(pipe.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE, 1, 0, 0, 0, nullptr);
    ASSERT_NE(server, INVALID_HANDLE_VALUE);
#else
    const std::string pipe = dir.file("pipe.clg"), pipeName = "pipe.clg", device = "/dev/zero",
                      deviceName = "zero";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
#endif
    std::vector<std::pair<std::string, std::string>> cases{
        {dir.file("gone.clg"),
         "Errore 53 nell'apertura del file gone.clg. Controllare la sua presenza!"},
        {dir.file("folder.clg"), opening(75) + " folder.clg: il percorso indica una cartella"},
        {dir.file("no/x.clg"), opening(76) + " x.clg: la cartella non esiste"},
        {pipe, notAFile(pipeName)},
        {device, notAFile(deviceName)}};
#ifndef _WIN32
    std::filesystem::create_symlink("loop.clg", dir.file("loop.clg"));
    cases.emplace_back(dir.file("loop.clg"), notAFile("loop.clg"));
#endif
    // A document is told by its contents, whatever its name says.
    cases.emplace_back(dir.file("broken.clg"),
                       "Impossibile aprire il file broken.clg. Il documento non è scritto "
                       "correttamente: errore di sintassi alla riga 2, colonna 13.");
    TempDir::write(cases.back().first, "\n {\"format\": }");
    const std::string header = encodeMatch(MatchRecord{});
    for (std::size_t n = 0; n < header.size(); ++n) {
        cases.emplace_back(dir.file("cut" + std::to_string(n) + ".clg"), opening(62));
        TempDir::write(cases.back().first, header.substr(0, n));
    }
    for (const auto& [path, message] : cases) {
        SCOPED_TRACE(path);
        Harness h;
        h.play("AABBA*!");
        const std::string before = snapshot(h.form);
        EXPECT_FALSE(h.load(path));
        EXPECT_EQ(std::tuple(h.platform.messages, h.session().saved(), snapshot(h.form)),
                  std::tuple(std::vector{message}, false, before));
    }
#ifdef _WIN32
    ::CloseHandle(server);
#endif
}

TEST(MatchFileCommands, SaveThenLoadGivesTheSameMatchAndCancelledDialogsChangeNothing) {
    TempDir dir;
    const std::string path = dir.file("match.clg");
    Harness a, b;
    a.useThreeSets();
    a.form.chooseRule("setTieBreak", 2);
    a.rename(1, "Stosur è");
    a.form.Turno_Click(7);
    a.play("aaaaab ababababab");
    a.form.SelectOption(Panel::Colpo, 4);
    a.play("ABAB*!");
    // The whole list is saved wherever the user stands.
    a.form.goTo(a.session().points().current() - 2);
    const std::string before = snapshot(a.form);
    a.form.FileSave_Click();
    a.form.FileLoad_Click();
    EXPECT_EQ(snapshot(a.form), before);
    a.platform.saveChoices.push_back({path, "match.clg"});
    a.form.FileSave_Click();

    b.form.Form_Load();
    ASSERT_TRUE(b.load(path));
    EXPECT_EQ(std::tuple(a.platform.messages.size() + b.platform.messages.size(),
                         encodeMatch(b.session().record()), b.session().saved()),
              std::tuple(0u, encodeMatch(a.session().record()), true));
    a.form.goTo(a.session().points().count());
    EXPECT_EQ(snapshot(b.form), snapshot(a.form));

    // Stepping back, marking the point as it is stored changes nothing; marking it otherwise
    // is a change to save.
    b.form.goTo(b.session().points().current() - 1);
    b.form.SelectOption(Panel::DirittoRovescio, 0);
    EXPECT_TRUE(b.session().saved());
    b.form.SelectOption(Panel::Colpo, 3);
    const PointWord last = b.session().points().at(b.session().points().count() - 1);
    EXPECT_EQ(std::tuple(EstraiInfo(last, Attr::Colpo), b.session().saved()), std::tuple(3, false));
}

// The file named at start-up replaces the match, even one in its fourth set of five. Its
// lengths -1 and -2 read as empty names and its round 255 as none; each is reported, and the
// rest loads.
TEST(MatchFileCommands, StartUpAndLoadSayWhatTheyCannotReadOrKeepAndLoadTheRest) {
    TempDir dir;
    const std::string path = dir.file("m.clg");
    TempDir::write(path, std::string("\x03\x00\x00\x00\x00\x00\x00\x00\xFF\xFF", 10) +
                             std::string("\x02\x00", 2) + "Bo" + std::string("\xFE\xFF\xFF", 3) +
                             std::string("\0\0\0\0\0\0\0\0\x01\0", 10));
    for (const std::string& line : {"\"" + path + "\"", path}) {
        Harness h;
        h.form.Turno_Click(3);
        h.play("aaaaaa bbbbbb aaaaaa b");
        h.form.Form_Activate(line);
        const MatchRecord r = h.session().record();
        EXPECT_EQ(std::tuple(h.platform.messages, r.players, r.round, r.tieBreakMarks,
                             h.form.view().menus.rule("MatchInTreSet").checked(), h.board()),
                  std::tuple(std::vector{opening(5), opening(5), opening(380)},
                             std::array<std::string, 2>{"", "Bo"}, 3, std::array<bool, 3>{}, true,
                             "1-0 0-15"));
    }

    // No point is dropped in silence. They are counted over the whole file, also past the part
    // that is read: a 5 MB file has 2,499,000 words too many, not the few tens of thousands in
    // the part read.
    const std::string full = encodeMatch({.points = Points(kMaxPoints, 0)});
    const std::pair<std::uintmax_t, std::string> cases[] = {
        {full.size() + 2,
         "Il file contiene 1 punto oltre il limite di 1000: non è stato caricato."},
        {full.size() + 4998001,
         "Il file contiene 2499000 punti oltre il limite di 1000: non sono stati caricati."}};
    for (const auto& [size, message] : cases) {
        TempDir::write(dir.file("long.clg"), full);
        std::filesystem::resize_file(TempDir::path(dir.file("long.clg")), size);
        Harness h;
        ASSERT_TRUE(h.load(dir.file("long.clg")));
        EXPECT_EQ(std::tuple(h.session().points().count(), h.platform.messages),
                  std::tuple(kMaxPoints, std::vector{message}));
    }
}

}  // namespace
}  // namespace courtlog
