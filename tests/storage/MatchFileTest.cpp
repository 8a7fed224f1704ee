// The match file: its bytes, the names in them, files damaged or made to hurt, and the
// commands that save and load it.
#include "storage/MatchFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/Harness.h"
#include "support/Snapshot.h"
#include "support/TempDir.h"

namespace courtlog {
namespace {

using testing::Harness;
using testing::snapshot;
using testing::TempDir;

// A fresh match is 48 bytes, any non-zero flag is read as set and an odd last byte is no point.
// Names take one byte per character, and what the file cannot hold is cut: a name at 32767
// bytes, the list at a thousand points when written and when read, a round past 255 to none.
TEST(MatchFile, BytesOfAMatchAndWhatTheFileCannotHold) {
    std::string bytes = std::string("\x05\x00\x00\x00\xFF\xFF\x00\x00\x0B\x00", 10) +
                        "Giocatore A" + std::string("\x0B\x00", 2) + "Giocatore B" +
                        std::string("\x0B\x00", 2) + "Nome torneo" + std::string(1, '\0');
    EXPECT_EQ(encodeMatch(MatchRecord{}), bytes);
    bytes += std::string("\x01\x00\x00\x00\x05", 5);  // two points and an odd trailing byte
    bytes[4] = bytes[5] = 0;
    bytes[6] = 0x01;
    const DecodedMatch d = decodeMatch(bytes);
    EXPECT_FALSE(d.fatalError);
    EXPECT_EQ(d.match.tieBreakWhen, (std::array<bool, 3>{false, false, true}));
    EXPECT_EQ(d.match.points, (std::vector<PointWord>{1, 0}));

    MatchRecord m;
    m.players = {"Parità", ""};
    m.tournament = std::string(32768, 'T');
    m.round = 300;
    m.points.assign(1500, 1);
    bytes = encodeMatch(m);
    EXPECT_EQ(bytes.substr(8, 8), std::string("\x06\x00Parit\xE0", 8));
    EXPECT_EQ(bytes.size(), 15u + 6 + 32767 + 2000);
    const DecodedMatch cut = decodeMatch(bytes + std::string(1 << 20, '\1'));
    EXPECT_TRUE(cut.errors.empty());  // an empty name is no bad length
    EXPECT_EQ(cut.match.players, m.players);
    EXPECT_EQ(cut.match.tournament, std::string(32767, 'T'));
    EXPECT_EQ(cut.match.round, 0);
    EXPECT_EQ(cut.match.points, std::vector<PointWord>(1000, 1));
}

std::string opening(int error) {
    return "Errore " + std::to_string(error) + " durante il processo di apertura file.";
}

TEST(HostileFile, UnusableFilesChangeNothingOnScreen) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("folder.clg"));
    const std::string header = encodeMatch(MatchRecord{});
    std::vector<std::pair<std::string, std::string>> cases{
        {"gone.clg", "Errore 53 nell'apertura del file gone.clg. Controllare la sua presenza!"},
        {"folder.clg", opening(75)}};
    for (std::size_t n = 0; n < header.size(); ++n) {
        const std::string name = "cut" + std::to_string(n) + ".clg";
        TempDir::write(dir.file(name), header.substr(0, n));
        cases.emplace_back(name, opening(62));
    }
    for (const auto& [name, message] : cases) {
        SCOPED_TRACE(name);
        Harness h;
        h.play("AABBA*!");
        const std::string before = snapshot(h.form);
        EXPECT_FALSE(h.form.loadMatch(dir.file(name)));
        EXPECT_EQ(h.platform.messages, std::vector<std::string>{message});
        EXPECT_EQ(snapshot(h.form), before);
        EXPECT_FALSE(h.form.MatchSaved);
    }
}

TEST(MatchFileCommands, SaveThenLoadGivesTheSameMatchAndCancelledDialogsChangeNothing) {
    TempDir dir;
    const std::string path = dir.file("match.clg");
    Harness a;
    a.useThreeSets();
    a.useTieBreakRule(2);
    a.rename(1, "Stosur è");
    a.form.Turno.select(7);
    a.games("AAAAAB ABABABABAB");
    a.form.SelectOption(Panel::Colpo, 4);
    a.play("ABAB*!");
    a.form.GameUndo_Click();
    a.form.GameUndo_Click();  // the whole list is saved wherever the user stands
    const std::string before = snapshot(a.form);
    a.form.FileSave_Click();
    a.form.FileLoad_Click();
    EXPECT_EQ(snapshot(a.form), before);
    a.platform.saveChoices.push_back({path, "match.clg"});
    a.form.FileSave_Click();

    Harness b;
    b.form.Form_Load();
    b.platform.openChoices.push_back({path, "match.clg"});
    b.form.FileLoad_Click();
    EXPECT_TRUE(a.platform.messages.empty() && b.platform.messages.empty());
    EXPECT_EQ(encodeMatch(b.form.matchRecord()), encodeMatch(a.form.matchRecord()));
    EXPECT_TRUE(b.form.MatchSaved);
    a.form.GameEnd_Click();
    EXPECT_EQ(snapshot(b.form), snapshot(a.form));
}

// The file named at start-up replaces the match, even one in its fourth set of five. Its
// lengths -1 and -2 read as empty names and its round 255 as none; each is reported, and the
// rest loads.
TEST(MatchFileCommands, StartUpOpensTheFileReportsWhatItCannotReadAndLoadsTheRest) {
    TempDir dir;
    const std::string path = dir.file("m.clg");
    TempDir::write(path, std::string("\x03\x00\x00\x00\x00\x00\x00\x00\xFF\xFF", 10) +
                             std::string("\x02\x00", 2) + "Bo" + std::string("\xFE\xFF\xFF", 3) +
                             std::string("\0\0\0\0\0\0\0\0\x01\0", 10));
    for (const std::string& line : {"\"" + path + "\"", path}) {
        Harness h;
        h.form.Turno.select(3);
        h.games("AAAAAA BBBBBB AAAAAA B");
        h.form.Form_Activate(line);
        EXPECT_EQ(h.platform.messages,
                  (std::vector<std::string>{opening(5), opening(5), opening(380)}));
        const MatchRecord r = h.form.matchRecord();
        EXPECT_EQ(r.players, (std::array<std::string, 2>{"", "Bo"}));
        EXPECT_EQ(r.round, 3);
        EXPECT_TRUE(h.form.MatchInTreSet.checked());
        EXPECT_EQ(r.tieBreakWhen, (std::array<bool, 3>{}));
        EXPECT_EQ(h.board(), "1-0 0-15");
        EXPECT_TRUE(h.form.MatchFileName.empty());
    }
}

}  // namespace
}  // namespace courtlog
