// Nothing recorded is lost without a question: edits of recorded points count as changes, and
// a failed save at closing keeps the match.
#include <gtest/gtest.h>

#include "storage/MatchFile.h"
#include "support/Harness.h"
#include "support/TempDir.h"

namespace courtlog {
namespace {

TEST(KeepingTheMatch, AnEditWhileSteppingIsAChangeAndAFailedSaveAtCloseKeepsIt) {
    testing::TempDir dir;
    MatchRecord m;
    m.points = {0, 1, 0};
    testing::TempDir::write(dir.file("m.clg"), encodeMatch(m));
    testing::Harness h;
    ASSERT_TRUE(h.form.loadMatch(dir.file("m.clg")));
    h.form.GameUndo_Click();
    h.form.SelectOption(Panel::DirittoRovescio, 0);  // as stored: no change
    EXPECT_TRUE(h.form.MatchSaved);
    h.form.SelectOption(Panel::Colpo, 3);
    EXPECT_EQ(EstraiInfo(h.form.PointInfo[2], Attr::Colpo), 3);
    EXPECT_FALSE(h.form.MatchSaved);

    h.platform.saveChoices.push_back({dir.file("nowhere/m.clg"), "m.clg"});
    EXPECT_FALSE(h.form.Form_Unload());
    EXPECT_EQ(h.platform.texts().back(),
              "Impossibile salvare il file m.clg: la cartella non esiste");
    EXPECT_FALSE(h.form.MatchSaved);
    EXPECT_TRUE(h.form.Form_Unload());  // the save dialog cancelled: the window goes
}

}  // namespace
}  // namespace courtlog
