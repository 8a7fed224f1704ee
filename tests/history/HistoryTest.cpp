// Moving through the recorded match, and the statistics and partial score it shows.
#include <gtest/gtest.h>

#include "form/Captions.h"
#include "support/Harness.h"
#include "support/MatchBuilder.h"
#include "support/Snapshot.h"

namespace courtlog {
namespace {

using namespace testing;

// The snapshot without the line that says where the user stands, which replay words otherwise.
std::string unplaced(const MainForm& f) {
    std::string s = snapshot(f);
    const std::size_t at = s.find("\nPosizione '");
    return s.erase(at, s.find('\n', at + 1) - at);
}

TEST(Navigation, FiveSetMatchReplaysToWhatLiveEntryShowedAtEveryPoint) {
    const MatchScript script =
        MatchScript().set(7, 5).tieBreakSet(6, 8).tieBreakSet(10, 8).set(3, 6).set(5, 7);
    Harness h;
    h.platform.messageAnswers = {MsgAnswer::No};
    std::vector<std::string> live{unplaced(h.form)};
    for (char c : script.points()) {
        h.play(std::string(1, c));
        live.push_back(unplaced(h.form));
    }
    ASSERT_EQ(h.board() + (h.session().score().over ? " over" : ""),
              "7-5 6-7(6-8) 7-6(10-8) 3-6 5-7 0-0 0-0 over");
    const int n = h.session().points().count();
    for (int k = 0; k <= n; ++k) {
        h.form.goTo(k);
        // Only the scroll bar knows the later points.
        const std::string at = " at " + std::to_string(k) + "\n";
        live[k].replace(live[k].rfind("scroll 0.." + std::to_string(k) + at), std::string::npos,
                        "scroll 0.." + std::to_string(n) + at);
        ASSERT_EQ(unplaced(h.form), live[k]) << "position " << k;
    }
    // Replaying to the end finishes the match again without asking; a position the match does
    // not have is no move.
    EXPECT_EQ(h.platform.messages.size(), 1u);
    h.form.goTo(n + 1);
    EXPECT_EQ(h.session().points().current(), n);

    // The buttons step through the same positions, and moving does not save; nor does it
    // unsave a loaded match: the match file's commands test.
    h.form.goTo(h.session().points().current() - 1);
    h.form.goTo(h.session().points().current() + 1);
    EXPECT_EQ(std::tuple(h.session().saved(), unplaced(h.form)), std::tuple(false, live[n]));
}

// Moving through a finished match neither asks again nor keeps the question from the next
// live finish; clearing it leaves a fresh match.
TEST(Navigation, FinishedMatchBecomesPlayableWhenSteppedIntoAsksWhenFinishedAgainAndClears) {
    Harness h, fresh;
    h.useThreeSets();
    fresh.useThreeSets();
    h.platform.messageAnswers = {MsgAnswer::No, MsgAnswer::No};
    h.play("aaaaaa aaaaaa");
    h.play("A!");  // after the end nothing is recorded, nor marked for the next point
    const Board& l = h.labels();
    EXPECT_EQ(std::tuple(h.session().points().working(), l.PuntiDalMatch[0].caption(),
                         l.PuntiDalMatch[1].caption() + l.PuntiDalSet[0].caption(),
                         l.Set1[0].fore(), l.Set1[1].fore(), l.Set3[0].fore()),
              std::tuple(0, "W", "L", colours::Yellow, colours::Black, colours::Black));
    h.form.goTo(0);
    // A hidden marker keeps the number it last showed.
    EXPECT_EQ(l.MatchPoint[0].caption(), "Match Point #1");
    h.form.goTo(h.session().points().count());
    EXPECT_EQ(h.session().points().count(), 48);
    h.form.goTo(h.session().points().current() - 1);
    EXPECT_EQ(h.board(), "6-0 5-0 40-0");
    // This re-records the last point: nothing follows, so nothing is asked.
    h.play("BA");
    EXPECT_EQ(std::tuple(h.platform.residualQuestions.size(), h.platform.messages.size()),
              std::tuple(0u, 2u));

    // Clearing asks first, and keeps the names and the options.
    h.rename(0, "Pennetta");
    fresh.rename(0, "Pennetta");
    h.form.SelectOption(Panel::Colpo, 5);
    const std::string before = snapshot(h.form);
    h.platform.messageAnswers = {MsgAnswer::No};
    h.form.GameClear_Click();
    EXPECT_EQ(snapshot(h.form), before);
    h.form.GameClear_Click();  // unscripted: Yes
    EXPECT_EQ(snapshot(h.form), snapshot(fresh.form));
    EXPECT_EQ(h.form.view().Colpo.selected(), 0);  // the next point starts from a clean slot
    EXPECT_EQ(h.platform.messages.back(), "Tutti i dati sono stati cancellati!");
}

// The quotient is a double before it is scaled, so the halves 23/40 and 3/200 fall short.
//
// BA: the even pair replaces the single A. BAAA: a pure run of three gives way to the first
// mixed stretch. BBAAAAAA: a run of six ends the search. AAAAAAB: 1 of 1, then 1-6 beats every
// shorter mixed stretch. ABABABAB: an even pair, then 1-2 which no longer stretch beats.
// AAAAAAAAAAAABBBBB: a run of five is only shown until a mixed one.
TEST(Figures, PercentRoundsHalfToEvenAndThePartialIsTheMostLopsidedRecentStretch) {
    const std::tuple<int, int, const char*> cases[] = {
        {2, 3, "67%"},  {1, 8, "12%"},   {3, 8, "38%"},  {0, 5, "0%"},
        {4, 4, "100%"}, {23, 40, "57%"}, {3, 200, "2%"}, {999, 1000, "100%"}};
    for (const auto& [n, d, text] : cases) {
        EXPECT_EQ(Percent(n, d), text) << n << "/" << d;
    }
    const std::pair<const char*, const char*> partials[] = {
        {"BA", "1-1"},           {"BAAA", "3-1"},     {"BBAAAAAA", "6-0"},
        {"AAAAAAB", "6-1"},      {"ABABABAB", "1-2"}, {"AAAAAAAAAAAABBBBB", "1-5"},
        {"AAAABBBBBBBBA", "1-8"}};
    for (const auto& [played, shown] : partials) {
        const Pair p = partialScore(MatchBuilder().play(played).record().points);
        EXPECT_EQ(std::to_string(p[0]) + "-" + std::to_string(p[1]), shown) << played;
    }
}

}  // namespace
}  // namespace courtlog
