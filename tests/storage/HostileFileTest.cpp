// Match files that were damaged or made to hurt: a message, no crash, nothing lost on screen.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "storage/MatchFile.h"
#include "support/Harness.h"
#include "support/MatchScript.h"
#include "support/Snapshot.h"
#include "support/TempDir.h"

namespace courtlog {
namespace {

using testing::Harness;
using testing::MatchScript;
using testing::snapshot;
using testing::TempDir;

std::string matchBytes() {
    MatchScript script;
    script.set(6, 3).tieBreakSet(7, 4);
    MatchRecord m;
    m.setsInMatch = 3;
    m.players = {"Errani", "Vinci"};
    m.tournament = "Palermo";
    m.round = 6;
    Harness h;
    h.useThreeSets();
    h.platform.messageAnswers = {MsgAnswer::No};
    h.play(script.points());
    m.points = h.form.matchRecord().points;
    return encodeMatch(m);
}

// A window in the middle of a match of its own, to see that a bad file leaves it alone.
struct Busy : Harness {
    Busy() {
        play("AABBA*!");
        before = snapshot(form);
    }
    std::string before;
};

TEST(HostileFile, CutShortAnywhereInTheHeader) {
    TempDir dir;
    const std::string whole = matchBytes();
    const std::size_t header = 15 + 6 + 5 + 7;
    for (std::size_t n = 0; n < header; ++n) {
        TempDir::write(dir.file("cut.clg"), whole.substr(0, n));
        Busy b;
        EXPECT_FALSE(b.form.loadMatch(dir.file("cut.clg"))) << n;
        EXPECT_EQ(b.platform.texts(),
                  std::vector<std::string>{"Errore 62 durante il processo di apertura file."})
            << n;
        EXPECT_EQ(snapshot(b.form), b.before) << n;
        EXPECT_EQ(b.form.PointCount, 7);
    }
}

TEST(HostileFile, LengthsBeyondTheEndOfTheFile) {
    TempDir dir;
    std::string bytes = matchBytes();
    bytes[8] = '\xFF';
    bytes[9] = '\x7F';  // a name of 32767 characters in a file of a few hundred bytes
    TempDir::write(dir.file("long.clg"), bytes);
    Busy b;
    EXPECT_FALSE(b.form.loadMatch(dir.file("long.clg")));
    EXPECT_EQ(snapshot(b.form), b.before);
}

TEST(HostileFile, AMegabyteOfPointsLoadsAThousand) {
    TempDir dir;
    std::string bytes = encodeMatch(MatchRecord{});
    for (int k = 0; k < 512 * 1024; ++k) {
        bytes += (k % 2) ? std::string("\x01\x00", 2) : std::string("\x00\x00", 2);
    }
    TempDir::write(dir.file("huge.clg"), bytes);
    Harness h;
    ASSERT_TRUE(h.form.loadMatch(dir.file("huge.clg")));
    EXPECT_EQ(h.form.PointCount, 1000);
    EXPECT_EQ(h.form.CurrentPoint, 1000);
    EXPECT_EQ(h.form.PointInfo[1000], 0);
    EXPECT_EQ(h.form.PuntiVinti[0].number() + h.form.PuntiVinti[1].number(), 1000);
    // A full list still refuses a further point.
    h.record(0);
    EXPECT_EQ(h.form.PointCount, 1000);
    EXPECT_EQ(h.platform.texts().back(),
              "Impossibile registrare altri punti: la partita ha già 1000 punti.");
}

TEST(HostileFile, WordsWithBitsNoPanelHolds) {
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
    EXPECT_EQ(h.form.DirittoRovescio.selected(), -1);  // nothing the panel can show
    // The words are kept exactly, and saved back as they were.
    h.platform.saveChoices.push_back({dir.file("back.clg"), "back.clg"});
    h.form.FileSave_Click();
    EXPECT_EQ(decodeMatch(TempDir::read(dir.file("back.clg"))).match.points, m.points);
}

TEST(HostileFile, RoundByteOfTwoHundredFiftyFive) {
    TempDir dir;
    std::string bytes = matchBytes();
    bytes[14 + 6 + 5 + 7] = '\xFF';
    TempDir::write(dir.file("round.clg"), bytes);
    Harness h;
    h.form.Turno.select(2);
    ASSERT_TRUE(h.form.loadMatch(dir.file("round.clg")));
    EXPECT_EQ(h.platform.texts(),
              std::vector<std::string>{"Errore 380 durante il processo di apertura file."});
    EXPECT_EQ(h.form.Turno.selected(), 2);
    EXPECT_EQ(h.form.NomeTorneo.caption(), "Palermo");
    EXPECT_TRUE(h.form.MatchOver);
}

TEST(HostileFile, FileWithoutReadPermission) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind the superuser";
    }
    TempDir dir;
    TempDir::write(dir.file("locked.clg"), matchBytes());
    std::filesystem::permissions(dir.file("locked.clg"), std::filesystem::perms::none);
    Busy b;
    EXPECT_FALSE(b.form.loadMatch(dir.file("locked.clg")));
    EXPECT_EQ(b.platform.texts(),
              std::vector<std::string>{"Errore 70 durante il processo di apertura file."});
    EXPECT_EQ(snapshot(b.form), b.before);
}

}  // namespace
}  // namespace courtlog
