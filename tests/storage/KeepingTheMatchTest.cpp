// Nothing recorded is lost without a question: edits of recorded points count as changes, a
// failed save at closing keeps the match, and points beyond what a match holds are reported.
#include <gtest/gtest.h>

#include <filesystem>

#include "storage/MatchFile.h"
#include "support/Harness.h"
#include "support/TempDir.h"

namespace courtlog {
namespace {

using testing::Harness;
using testing::TempDir;

TEST(KeepingTheMatch, AnEditWhileSteppingIsAChangeAndAFailedSaveAtCloseKeepsIt) {
    TempDir dir;
    MatchRecord m;
    m.points = {0, 1, 0};
    TempDir::write(dir.file("m.clg"), encodeMatch(m));
    Harness h;
    ASSERT_TRUE(h.form.loadMatch(dir.file("m.clg")));
    h.form.GameUndo_Click();
    h.form.SelectOption(Panel::DirittoRovescio, 0);  // as stored: no change
    EXPECT_TRUE(h.form.matchSaved());
    h.form.SelectOption(Panel::Colpo, 3);
    EXPECT_EQ(std::tuple(EstraiInfo(h.form.points().at(2), Attr::Colpo), h.form.matchSaved()),
              std::tuple(3, false));

    h.platform.saveChoices.push_back({dir.file("nowhere/m.clg"), "m.clg"});
    EXPECT_FALSE(h.form.Form_Unload());
    EXPECT_EQ(std::tuple(h.platform.messages.back(), h.form.matchSaved()),
              std::tuple("Impossibile salvare il file m.clg: la cartella non esiste", false));
    EXPECT_TRUE(h.form.Form_Unload());  // the save dialog cancelled: the window goes
}

// Counted over the whole file, also past the part that is read: a 5 MB file has 2,499,000
// words too many, not the few tens of thousands in the part read.
TEST(KeepingTheMatch, NoPointIsDroppedInSilence) {
    TempDir dir;
    MatchRecord m;
    m.points.assign(kMaxPoints, 0);
    const std::string full = encodeMatch(m);
    const std::pair<std::uintmax_t, std::string> cases[] = {
        {full.size() + 2,
         "Il file contiene 1 punto oltre il limite di 1000: non è stato caricato."},
        {full.size() + 4998001,
         "Il file contiene 2499000 punti oltre il limite di 1000: non sono stati caricati."}};
    for (const auto& [size, message] : cases) {
        TempDir::write(dir.file("long.clg"), full);
        std::filesystem::resize_file(TempDir::path(dir.file("long.clg")), size);
        Harness h;
        ASSERT_TRUE(h.form.loadMatch(dir.file("long.clg")));
        EXPECT_EQ(std::tuple(h.form.points().count(), h.platform.messages),
                  std::tuple(kMaxPoints, std::vector{message}));
    }
}

}  // namespace
}  // namespace courtlog
