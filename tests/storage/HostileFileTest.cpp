// Match files that were damaged or made to hurt: a message, no crash, nothing lost on screen.
#include <gtest/gtest.h>

#include <filesystem>

#include "storage/MatchFile.h"
#include "support/Harness.h"
#include "support/Snapshot.h"
#include "support/TempDir.h"

namespace courtlog {
namespace {

using testing::Harness;
using testing::snapshot;
using testing::TempDir;

std::string opening(int error) {
    return "Errore " + std::to_string(error) + " durante il processo di apertura file.";
}

std::string header(const std::string& a, const std::string& b, const std::string& t, int round) {
    MatchRecord m;
    m.players = {a, b};
    m.tournament = t;
    m.round = round;
    return encodeMatch(m);
}

TEST(HostileFile, UnusableFilesChangeNothingOnScreen) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("folder.clg"));
    const std::string whole = header("Errani", "Vinci", "Palermo", 6) + std::string(4, '\0');
    std::string longName = whole;
    longName[8] = '\xFF';
    longName[9] = '\x7F';  // a name of 32767 characters in a file of a few dozen bytes
    std::vector<std::pair<std::string, std::string>> cases{
        {"gone.clg", "Errore 53 nell'apertura del file gone.clg. Controllare la sua presenza!"},
        {"folder.clg", opening(75)},
        {"long.clg", opening(62)}};
    TempDir::write(dir.file("long.clg"), longName);
    for (std::size_t n = 0; n < 15 + 6 + 5 + 7; ++n) {
        const std::string name = "cut" + std::to_string(n) + ".clg";
        TempDir::write(dir.file(name), whole.substr(0, n));
        cases.emplace_back(name, opening(62));
    }
    for (const auto& [name, message] : cases) {
        SCOPED_TRACE(name);
        Harness h;
        h.play("AABBA*!");
        const std::string before = snapshot(h.form);
        EXPECT_FALSE(h.form.loadMatch(dir.file(name)));
        EXPECT_EQ(h.platform.texts(), std::vector<std::string>{message});
        EXPECT_EQ(snapshot(h.form), before);
        EXPECT_EQ(h.form.PointCount, 7);
        EXPECT_FALSE(h.form.MatchSaved);
    }
}

TEST(HostileFile, NegativeLengthsAndABadRoundAreReportedAndTheRestLoads) {
    TempDir dir;
    // Three sets, no tie-break, lengths -1 and -2 read as empty names, round byte 255.
    TempDir::write(dir.file("m.clg"), std::string("\x03\x00\x00\x00\x00\x00\x00\x00\xFF\xFF", 10) +
                                          std::string("\x02\x00", 2) + "Bo" +
                                          std::string("\xFE\xFF\xFF", 3) +
                                          std::string("\0\0\0\0\0\0\0\0\x01\0", 10));
    Harness h;
    h.form.Turno.select(3);
    ASSERT_TRUE(h.form.loadMatch(dir.file("m.clg")));
    EXPECT_EQ(h.platform.texts(), (std::vector<std::string>{opening(5), opening(5), opening(380)}));
    EXPECT_EQ(h.form.NomeGiocatore[0].caption(), "");
    EXPECT_EQ(h.form.NomeGiocatore[1].caption(), "Bo");
    EXPECT_EQ(h.form.NomeTorneo.caption(), "");
    EXPECT_EQ(h.form.Turno.selected(), 3);
    EXPECT_EQ(h.board(), "1-0 0-15");
    EXPECT_EQ(h.form.SetsInMatch, 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(h.form.TieBreakWhen[i].checked());
    }
}

TEST(HostileFile, AMegabyteOfPointsLoadsAThousand) {
    TempDir dir;
    std::string bytes = encodeMatch(MatchRecord{});
    for (int k = 0; k < 512 * 1024; ++k) {
        bytes += std::string(k % 2 ? "\x01\x00" : "\x00\x00", 2);
    }
    TempDir::write(dir.file("huge.clg"), bytes);
    Harness h;
    ASSERT_TRUE(h.form.loadMatch(dir.file("huge.clg")));
    EXPECT_EQ(h.form.PointCount, 1000);
    EXPECT_EQ(h.form.PuntiVinti[0].number() + h.form.PuntiVinti[1].number(), 1000);
    // A full list still refuses a further point.
    h.record(0);
    EXPECT_EQ(h.form.PointCount, 1000);
    EXPECT_EQ(h.platform.texts().back(),
              "Impossibile registrare altri punti: la partita ha già 1000 punti.");
}

TEST(HostileFile, WordsWithBitsNoPanelHoldsAreShownSafelyAndSavedBack) {
    TempDir dir;
    MatchRecord m;
    // Bits 13 to 15 set, a fourth forehand/backhand value and error kinds beyond the panel.
    m.points = {0xE00C, 0xE3FD, 0x0380, 0x8001, 0xFFFF, 0x000C};
    TempDir::write(dir.file("odd.clg"), encodeMatch(m));
    Harness h;
    ASSERT_TRUE(h.form.loadMatch(dir.file("odd.clg")));
    EXPECT_EQ(h.board(), "0-0 40-40");
    for (int k = 0; k <= 6; ++k) {
        h.form.GameScroll_Change(k);
        EXPECT_GE(h.form.DirittoRovescio.selected(), -1);
        EXPECT_LT(h.form.ErroreVincente.selected(), h.form.ErroreVincente.count());
    }
    h.form.GameScroll_Change(0);
    EXPECT_EQ(h.form.DirittoRovescio.selected(), -1);
    h.platform.saveChoices.push_back({dir.file("back.clg"), "back.clg"});
    h.form.FileSave_Click();
    EXPECT_EQ(decodeMatch(TempDir::read(dir.file("back.clg"))).match.points, m.points);
}

}  // namespace
}  // namespace courtlog
