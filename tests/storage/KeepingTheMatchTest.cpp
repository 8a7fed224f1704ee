// Nothing recorded is lost without a question: edits of recorded points count as changes, a
// failed save at closing keeps the match, and points beyond what a match holds are reported.
#include <gtest/gtest.h>

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

TEST(KeepingTheMatch, NoPointIsDroppedInSilence) {
    TempDir dir;
    MatchRecord m;
    m.points.assign(kMaxPoints, 0);
    // Three words more than a match holds.
    TempDir::write(dir.file("long.clg"), encodeMatch(m) + std::string(6, '\0'));
    Harness h;
    ASSERT_TRUE(h.form.loadMatch(dir.file("long.clg")));
    EXPECT_EQ(h.form.points().count(), kMaxPoints);
    EXPECT_EQ(h.platform.messages,
              std::vector<std::string>{
                  "Il file contiene 3 punti oltre il limite di 1000: non sono stati caricati."});
}

}  // namespace
}  // namespace courtlog
