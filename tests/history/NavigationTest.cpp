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

// Enters the points live and keeps what the window showed after each of them.
std::vector<std::string> playRecording(Harness& h, const std::string& points) {
    std::vector<std::string> shown{snapshot(h.form)};
    for (char c : points) {
        h.play(std::string(1, c));
        shown.push_back(snapshot(h.form));
    }
    return shown;
}

TEST(Navigation, EveryPositionShowsWhatLiveEntryShowed) {
    MatchScript script;
    script.set(7, 5).tieBreakSet(6, 8).tieBreakSet(10, 8).set(3, 6).set(5, 7);
    Harness h;
    h.platform.messageAnswers = {MsgAnswer::No};
    const std::vector<std::string> live = playRecording(h, script.points());
    ASSERT_TRUE(h.form.MatchOver);
    const int n = h.form.PointCount;
    for (int k = 0; k <= n; ++k) {
        h.form.GameScroll_Change(k);
        ASSERT_EQ(h.form.CurrentPoint, k);
        // The scroll bar is the only thing that knows the later points.
        std::string expected = live[k];
        const std::string liveScroll =
            "scroll 0.." + std::to_string(k) + " at " + std::to_string(k) + "\n";
        expected.replace(expected.rfind(liveScroll), liveScroll.size(),
                         "scroll 0.." + std::to_string(n) + " at " + std::to_string(k) + "\n");
        ASSERT_EQ(snapshot(h.form), expected) << "position " << k;
    }
    EXPECT_EQ(h.platform.messages.size(), 1u);
}

TEST(Navigation, StepBackAndForwardChangesNothing) {
    MatchScript script;
    script.set(6, 3).tieBreakSet(7, 3);
    Harness h;
    h.play(script.points());
    h.play("AAB");
    const std::string before = snapshot(h.form);
    h.form.GameUndo_Click();
    EXPECT_NE(snapshot(h.form), before);
    h.form.GameRedo_Click();
    EXPECT_EQ(snapshot(h.form), before);
    h.form.GameStart_Click();
    h.form.GameEnd_Click();
    EXPECT_EQ(snapshot(h.form), before);
}

TEST(Navigation, MovesBeyondTheEndsDoNothing) {
    Harness h;
    h.play("AAB");
    // A caption that only a reset would put back shows whether anything ran.
    h.form.Punteggio[0].setCaption("marker");
    h.form.GameRedo_Click();
    h.form.GameEnd_Click();
    h.form.GameScroll_Change(3);
    EXPECT_EQ(h.form.Punteggio[0].caption(), "marker");
    h.form.GameStart_Click();
    EXPECT_EQ(h.form.Punteggio[0].caption(), "0");
    EXPECT_EQ(h.form.CurrentPoint, 0);
    h.form.Punteggio[0].setCaption("marker");
    h.form.GameUndo_Click();
    EXPECT_EQ(h.form.Punteggio[0].caption(), "marker");
    // At the start a further "Inizio" replays anyway.
    h.form.GameStart_Click();
    EXPECT_EQ(h.form.Punteggio[0].caption(), "0");
}

TEST(Navigation, MovingKeepsAnUnsavedMatchUnsaved) {
    Harness h;
    h.play("AAB");
    ASSERT_FALSE(h.form.MatchSaved);
    h.form.GameUndo_Click();
    EXPECT_FALSE(h.form.MatchSaved);
    h.form.MatchSaved = true;
    h.form.GameRedo_Click();
    EXPECT_TRUE(h.form.MatchSaved);
}

TEST(Navigation, ThePanelShowsTheNextPointAsStored) {
    Harness h;
    h.form.SelectOption(Panel::Servizio, 1);
    h.form.SelectOption(Panel::DirittoRovescio, 2);
    h.form.SelectOption(Panel::Colpo, 3);
    h.form.SelectOption(Panel::ErroreVincente, 2);  // an unforced error after the shot
    h.record(0);
    h.play("*B");
    const PointWord first = h.form.PointInfo[0];

    h.form.GameStart_Click();
    EXPECT_EQ(h.form.Servizio.selected(), 1);
    EXPECT_EQ(h.form.DirittoRovescio.selected(), 2);
    EXPECT_EQ(h.form.Colpo.selected(), 3);
    EXPECT_EQ(h.form.ErroreVincente.selected(), 2);
    EXPECT_EQ(h.form.PointInfo[0], first);
    EXPECT_EQ(h.form.focus.objectName, "PuntoGiocatore_0");

    h.form.GameRedo_Click();  // the next point is the ace
    EXPECT_EQ(h.form.focus.objectName, "AceDoppioFallo_1");
    EXPECT_EQ(h.form.Colpo.selected(), 0);

    // Marking the point again edits it in place.
    h.form.SelectOption(Panel::Colpo, 6);
    EXPECT_EQ(EstraiInfo(h.form.PointInfo[1], Attr::Colpo), 6);
}

TEST(Navigation, FinishedMatchBecomesPlayableWhenSteppedInto) {
    Harness h;
    h.useThreeSets();
    h.platform.messageAnswers = {MsgAnswer::No};
    h.games("AAAAAA AAAAAA");
    ASSERT_TRUE(h.form.MatchOver);
    h.form.GameUndo_Click();
    EXPECT_FALSE(h.form.MatchOver);
    EXPECT_EQ(h.board(), "6-0 5-0 40-0");
    // Recording here re-records the last point; no question, since nothing follows.
    h.record(1);
    EXPECT_TRUE(h.platform.residualQuestions.empty());
    EXPECT_EQ(h.board(), "6-0 5-0 40-15");
    EXPECT_EQ(h.form.PointCount, h.form.CurrentPoint);
}

TEST(Navigation, EmptyHistoryOnlyResets) {
    Harness h;
    h.form.SelectOption(Panel::Colpo, 4);
    h.form.focus.objectName = "";
    h.form.GameStart_Click();
    EXPECT_EQ(h.form.Colpo.selected(), 4);
    EXPECT_EQ(h.form.focus.objectName, "");
    EXPECT_EQ(h.form.GameScroll.maximum(), 0);
}

TEST(Navigation, ClearingAsksFirstAndKeepsTheNames) {
    Harness h;
    h.form.NomeGiocatore[0].setCaption("Pennetta");
    h.play("AAAABBB");
    h.form.SelectOption(Panel::Colpo, 5);
    const std::string before = snapshot(h.form);

    h.platform.messageAnswers = {MsgAnswer::No};
    h.form.GameClear_Click();
    ASSERT_EQ(h.platform.messages.size(), 1u);
    EXPECT_EQ(h.platform.messages[0].text,
              "Sei sicuro di voler cancellare tutti i dati di questa partita?");
    EXPECT_EQ(h.platform.messages[0].title, "Attenzione!!!");
    EXPECT_EQ(h.platform.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(snapshot(h.form), before);
    EXPECT_EQ(h.form.PointCount, 7);

    h.form.GameClear_Click();  // unscripted: Yes
    ASSERT_EQ(h.platform.messages.size(), 3u);
    EXPECT_EQ(h.platform.messages[2].text, "Tutti i dati sono stati cancellati!");
    EXPECT_EQ(h.platform.messages[2].buttons, MsgButtons::Ok);
    EXPECT_EQ(h.platform.messages[2].title, "Courtlog");
    EXPECT_EQ(h.form.PointCount, 0);
    EXPECT_EQ(h.form.CurrentPoint, 0);
    EXPECT_EQ(h.board(), "0-0 0-0");
    EXPECT_EQ(h.form.PuntiVinti[0].caption(), "0");
    EXPECT_EQ(h.form.GameScroll.maximum(), 0);
    EXPECT_EQ(h.form.GameScroll.value(), 0);
    EXPECT_EQ(h.form.NomeGiocatore[0].caption(), "Pennetta");
    // The next point starts clean.
    EXPECT_EQ(h.form.Colpo.selected(), 0);
    h.record(1);
    EXPECT_EQ(h.form.PointInfo[0], 1);
}

}  // namespace
}  // namespace courtlog
