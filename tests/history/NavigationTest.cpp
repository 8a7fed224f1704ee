#include <gtest/gtest.h>

#include <vector>

#include "support/Harness.h"
#include "support/MatchScript.h"
#include "support/Snapshot.h"

namespace courtlog {
namespace {

using testing::Harness;
using testing::MatchScript;
using testing::snapshot;

TEST(Navigation, FiveSetMatchReplaysToWhatLiveEntryShowedAtEveryPoint) {
    MatchScript script;
    script.set(7, 5).tieBreakSet(6, 8).tieBreakSet(10, 8).set(3, 6).set(5, 7);
    Harness h;
    h.platform.messageAnswers = {MsgAnswer::No};
    std::vector<std::string> live{snapshot(h.form)};
    for (char c : script.points()) {
        h.play(std::string(1, c));
        live.push_back(snapshot(h.form));
    }
    ASSERT_TRUE(h.form.MatchOver);
    EXPECT_EQ(h.board(), "7-5 6-7(6-8) 7-6(10-8) 3-6 5-7 0-0 0-0");
    const int n = h.form.PointCount;
    for (int k = 0; k <= n; ++k) {
        h.form.GameScroll_Change(k);
        ASSERT_EQ(h.form.CurrentPoint, k);
        // Only the scroll bar knows the later points.
        std::string expected = live[k];
        const std::string at = " at " + std::to_string(k) + "\n";
        const std::string liveScroll = "scroll 0.." + std::to_string(k) + at;
        expected.replace(expected.rfind(liveScroll), liveScroll.size(),
                         "scroll 0.." + std::to_string(n) + at);
        ASSERT_EQ(snapshot(h.form), expected) << "position " << k;
    }
    // Replaying to the end finishes the match again without asking.
    EXPECT_EQ(h.platform.messages.size(), 1u);

    // The buttons step through the same positions, and moving neither saves nor unsaves.
    const std::string end = snapshot(h.form);
    h.form.GameUndo_Click();
    EXPECT_FALSE(h.form.MatchSaved);
    h.form.GameRedo_Click();
    EXPECT_EQ(snapshot(h.form), end);
    h.form.MatchSaved = true;
    h.form.GameStart_Click();
    h.form.GameEnd_Click();
    EXPECT_TRUE(h.form.MatchSaved);
    EXPECT_EQ(snapshot(h.form), end);
}

TEST(Navigation, ThePanelShowsTheNextPointAsStored) {
    Harness h;
    h.form.SelectOption(Panel::Colpo, 3);
    h.play("A*B");

    h.form.GameStart_Click();
    EXPECT_EQ(h.form.Colpo.selected(), 3);
    EXPECT_EQ(h.form.focus.objectName, "PuntoGiocatore_0");
    h.form.GameRedo_Click();  // the ace
    EXPECT_EQ(h.form.focus.objectName, "AceDoppioFallo_1");
    // Marking the point again edits it in place.
    h.form.SelectOption(Panel::Colpo, 6);
    EXPECT_EQ(EstraiInfo(h.form.PointInfo[1], Attr::Colpo), 6);
}

// Moving through a finished match neither asks again nor keeps the question from the next
// live finish.
TEST(Navigation, FinishedMatchBecomesPlayableWhenSteppedIntoAndAsksWhenFinishedAgain) {
    Harness h;
    h.useThreeSets();
    h.platform.messageAnswers = {MsgAnswer::No, MsgAnswer::No};
    h.games("AAAAAA AAAAAA");
    h.form.GameStart_Click();
    h.form.GameEnd_Click();
    h.form.GameUndo_Click();
    EXPECT_FALSE(h.form.MatchOver);
    EXPECT_EQ(h.board(), "6-0 5-0 40-0");
    // This re-records the last point: nothing follows, so nothing is asked.
    h.play("BA");
    EXPECT_TRUE(h.platform.residualQuestions.empty());
    EXPECT_EQ(h.platform.messages.size(), 2u);
}

TEST(Navigation, ClearingAsksFirstAndKeepsTheNames) {
    Harness h, fresh;
    h.form.NomeGiocatore[0].setCaption("Pennetta");
    fresh.form.NomeGiocatore[0].setCaption("Pennetta");
    h.play("AAAABBB");
    h.form.SelectOption(Panel::Colpo, 5);
    const std::string before = snapshot(h.form);
    h.platform.messageAnswers = {MsgAnswer::No};
    h.form.GameClear_Click();
    EXPECT_EQ(snapshot(h.form), before);
    h.form.GameClear_Click();  // unscripted: Yes
    EXPECT_EQ(snapshot(h.form), snapshot(fresh.form));
    EXPECT_EQ(h.form.Colpo.selected(), 0);  // the next point starts from a clean slot
    const std::string sure = "Sei sicuro di voler cancellare tutti i dati di questa partita?";
    EXPECT_EQ(h.platform.texts(),
              (std::vector<std::string>{sure, sure, "Tutti i dati sono stati cancellati!"}));
}

}  // namespace
}  // namespace courtlog
