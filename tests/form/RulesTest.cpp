// What the menus set for the match itself: the deciding set, no-ad games and the first server,
// how they meet the tie-break menu and what changing them does to a recorded match; and the
// times of the points.
#include <gtest/gtest.h>

#include "platform/Clock.h"
#include "storage/MatchFile.h"
#include "support/Harness.h"

namespace courtlog {
namespace {

using namespace testing;

// The tie-break marks, the deciding set's marks, then its code.
std::string menusOf(const MainForm& f) {
    const auto marks = [&](const char* item, int n) {
        std::string t;
        for (int i = 0; i < n; ++i) {
            t += "01"[f.view().menus.rule(item + std::to_string(i)).checked()];
        }
        return t;
    };
    return marks("TieBreakWhen_", 3) + " " + marks("SetDecisivo_", 5) + " " +
           std::string(codeOf(f.session().rules().decidingSet));
}

// Without tie-breaks in the other sets the tie-break mark stays on "No Tie-Break".
TEST(Rules, TheDecidingSetAndTheTieBreakMenuMoveTogether) {
    Harness h;
    EXPECT_EQ(menusOf(h.form), "010 10000 adv");
    // T: an item of the tie-break menu, S: one of the deciding set's.
    const auto T = "setTieBreak", S = "decidingSet";
    const std::tuple<const char*, int, const char*> steps[] = {
        {T, 2, "001 01000 tb7"}, {S, 2, "010 00100 tb10"}, {S, 1, "001 01000 tb7"},
        {T, 0, "100 10000 adv"}, {S, 1, "100 01000 tb7"},  {S, 4, "100 00001 mtb10"},
        {T, 1, "010 10000 adv"}};
    for (const auto& [menu, item, expected] : steps) {
        h.form.chooseRule(menu, item);
        EXPECT_EQ(menusOf(h.form), expected);
    }
}

TEST(Rules, TodaysFormatsOnTheScoreboard) {
    Harness h;
    h.useThreeSets();
    h.form.chooseRule("decidingSet", 4);
    h.play(MatchScript().set(6, 4).set(3, 6).tieBreak(10, 8).points());
    // The winner is named once the match is over, and no more a point before.
    const Field& won = h.labels().Vincitore;
    const auto end = [&] { return h.board() + (won.visible() ? " " + won.caption() : ""); };
    EXPECT_EQ(end(), "6-4 3-6 1-0(10-8) 0-0 0-0 Vince Giocatore A 2-1");
    h.form.goTo(h.session().points().count() - 1);
    EXPECT_EQ(end(), "6-4 3-6 0-0 9-8");

    // No-ad: the deciding point is a break point on the board, and no deuce is shown.
    Harness n;
    n.form.chooseRule("noAd", 1);
    n.play("ABABAB");
    EXPECT_EQ(std::tuple(n.board(), n.labels().BreakPoint.visible(), n.labels().Parità.visible(),
                         n.labels().Punteggio[1].back()),
              std::tuple("0-0 40-40", true, false, colours::Red));
}

// What the session refuses is said, and the menus keep their marks; a choice made redraws the
// board and the menus.
TEST(Rules, RefusedChangesAreSaidAndChangeNoMark) {
    Harness h;
    h.play(MatchScript().set(6, 4).set(4, 6).set(8, 6).points() + "A");
    const std::string played = h.board();
    h.form.chooseRule("noAd", 1);    // its deuces would have ended games
    h.form.chooseRule("bestOf", 0);  // past the third set
    // A match that would already be over: the options' test.
    EXPECT_EQ(std::tuple(h.platform.messages, h.board(), menusOf(h.form),
                         h.menus().rule("KillerPoint").checked(),
                         h.menus().rule("MatchInTreSet").checked()),
              std::tuple(
                  std::vector<std::string>{
                      "Spiacente, ma cambierebbe un set già giocato. Impossibile modificare.",
                      "Spiacente, ma si è già al  4° set. Impossibile modificare."},
                  played, "010 10000 adv", false, false));
    h.form.chooseRule("decidingSet", 2);
    EXPECT_EQ(menusOf(h.form), "010 00100 tb10");

    // Short sets have no twelve games all: that deciding set is not offered with them.
    Harness s;
    s.form.chooseRule("shortSets", 1);
    s.form.chooseRule("decidingSet", 3);
    const auto offered = [&] {
        return std::tuple(s.menus().rule("SetBrevi").checked(),
                          s.menus().rule("SetDecisivo_3").enabled(), menusOf(s.form));
    };
    EXPECT_EQ(offered(), std::tuple(true, false, "010 10000 adv"));
    s.form.chooseRule("shortSets", 1);  // the item again: off
    EXPECT_EQ(offered(), std::tuple(false, true, "010 10000 adv"));
}

// The first server: an ace or a service winner stays with the serve, a double fault with the
// receiver, and the match is rescored.
TEST(Rules, TheFirstServerTakesTheMarksOfTheServeAndAMatchFileSetsTheRulesFromItsMarks) {
    Harness h;
    h.play("*BA!");  // A serves: an ace, a point each, a double fault
    EXPECT_EQ(h.board(), "0-0 30-30");
    h.form.applyMatch(h.session().record());  // as loaded: saved
    h.form.chooseRule("firstServer", 1);
    EXPECT_EQ(std::tuple(h.board(), h.session().score().server, h.session().saved()),
              std::tuple("0-0 30-30", 1, false));
    EXPECT_EQ(EstraiInfo(h.session().points().at(0), Attr::Punto), 1);
    h.play("*");
    EXPECT_EQ(h.board(), "0-0 30-40");
    h.form.chooseRule("firstServer", 0);
    EXPECT_EQ(h.board(), "0-0 40-30");

    // A match file keeps no deciding set of its own: its marks say it, no-ad is off and A
    // serves.
    for (const auto& [marks, expected] :
         {std::tuple(std::array<bool, 3>{false, false, true}, "001 01000 tb7"),
          std::tuple(std::array<bool, 3>{true, true, false}, "110 10000 adv")}) {
        h.form.chooseRule("decidingSet", 4);
        h.form.chooseRule("noAd", 1);
        h.form.chooseRule("firstServer", 1);
        h.form.applyMatch(decodeMatch(encodeMatch({.tieBreakMarks = marks})).match);
        EXPECT_EQ(
            std::tuple(menusOf(h.form), h.session().rules().noAd, h.session().rules().firstServer),
            std::tuple(expected, false, 0));
        // Saved again, the file has its own marks back.
        EXPECT_EQ(h.session().record().tieBreakMarks, marks);
    }
}

// The start of the timed points, then each point's time.
std::string times(const Harness& h) {
    const MatchRecord m = h.session().record();
    std::string t = m.start;
    for (std::int64_t ms : m.times) {
        t += " " + std::to_string(ms);
    }
    return t;
}

// Each point recorded while the times are kept has its milliseconds since the first timed
// point; the times move with their points through re-recording, insertion and cuts.
TEST(PointTimes, KeptFromTheFirstTimedPointMovedWithTheirPointsAndWrittenAsRead) {
    Harness h, loaded, untimed;
    const std::int64_t t0 = h.platform.clock;
    h.play("A");  // not timed
    h.form.toggle(Switch::OraDeiPunti);
    const auto at = [&](Harness& w, std::int64_t ms, const char* point) {
        w.platform.clock = t0 + ms;
        w.play(point);
    };
    at(h, 60'000, "B");
    at(h, 61'000, "A");
    at(h, 62'500, "A");
    EXPECT_EQ(times(h), "2024-07-14T13:01:00.000Z -1 0 1000 2500");
    // Re-recorded: a new time. Inserted: the old point keeps its own after it.
    h.form.goTo(2);
    at(h, 70'000, "B");
    EXPECT_EQ(times(h), "2024-07-14T13:01:00.000Z -1 0 10000 2500");
    h.form.goTo(1);
    h.platform.residualAnswers = {ResidualAnswer::Insert};
    at(h, 75'000, "B");
    EXPECT_EQ(times(h), "2024-07-14T13:01:00.000Z -1 15000 0 10000 2500");
    h.platform.residualAnswers = {ResidualAnswer::DeleteLater};
    h.form.toggle(Switch::OraDeiPunti);  // no longer timed
    at(h, 80'000, "A");
    EXPECT_EQ(times(h), "2024-07-14T13:01:00.000Z -1 15000 -1");

    // Loaded or recovered, the times stay with the match, it goes on timing from its start and
    // the menu says so; the option stored stays the user's.
    loaded.form.applyMatch(h.session().record());
    at(loaded, 90'000, "A");
    loaded.form.SalvaOpzioni_Click();
    EXPECT_EQ(std::tuple(times(loaded), loaded.form.view().menus.OraDeiPunti.checked(),
                         loaded.platform.settings["Courtlog/Opzioni/OraDeiPunti"]),
              std::tuple("2024-07-14T13:01:00.000Z -1 15000 -1 30000", true, "False"));
    // A cleared match starts its times again; one never timed keeps none.
    loaded.form.GameClear_Click();  // unscripted: yes
    EXPECT_EQ(times(loaded), "");
    loaded.play("A");
    EXPECT_EQ(times(loaded), "2024-07-14T13:01:30.000Z 0");
    untimed.play("AB");
    EXPECT_EQ(times(untimed), "");
    // A match without times loaded after it: the user's choice again.
    loaded.form.applyMatch(untimed.session().record());
    EXPECT_FALSE(loaded.form.view().menus.OraDeiPunti.checked());

    // The moments read back as written.
    for (const std::int64_t ms : {0LL, 1'720'962'062'500LL, 951'782'400'000LL, -86'400'001LL}) {
        EXPECT_EQ(parseIsoUtc(isoUtc(ms)), ms) << isoUtc(ms);
    }
    EXPECT_EQ(std::tuple(isoUtc(951'782'400'000), parseIsoUtc("2024-07-14T13:01:00Z"),
                         parseIsoUtc("2024-07-14T13:01:00.25+00:00")),
              std::tuple("2000-02-29T00:00:00.000Z", 1'720'962'060'000, 1'720'962'060'250));
    for (const char* bad :
         {"2023-02-29T00:00:00Z", "2024-07-14 13:01:00Z", "2024-07-14T13:01:00",
          "2024-07-14T13:01:00+02:00", "2024-13-01T00:00:00Z", "2024-07-00T00:00:00Z",
          "2024-07-14T24:00:00Z", "2024-07-14T13:01:00.Z", ""}) {
        EXPECT_FALSE(parseIsoUtc(bad)) << bad;
    }
}

// Doubles from the Game menu: four names, the side named by both, the serving of the set shown
// chosen among four, and the end of the match said in the plural. Switched off and undone.
TEST(Rules, DoublesNamesFourPlayersAndTheSetsServingIsChosenFromTheMenu) {
    Harness h;
    h.rename(0, "Bolelli");
    h.form.chooseRule("doubles", 1);
    h.platform.inputAnswers.push_back("Vavassori");
    h.form.Compagno_Click(0);
    const Board& l = h.labels();
    const auto names = [&] {
        std::string t;
        for (const auto* line : {&l.NomeGiocatore, &l.Compagno}) {
            for (const Field& f : *line) {
                t += (f.visible() ? f.caption() : "-") + "|";
            }
        }
        return t + l.FrameStatistiche[0].caption() + "|" + l.PuntoGiocatore[1].caption();
    };
    EXPECT_EQ(names(),
              "Bolelli|Giocatore B1|Vavassori|Giocatore B2|Statistiche Bolelli / Vavassori|"
              "Giocatore B1 / Giocatore B2");
    EXPECT_TRUE(h.menus().rule("Doppio").checked());
    // B2 and A2 first in the set: B2 serves the second game.
    const Menus& m = h.menus();
    EXPECT_EQ(m.AlServizioCaptions[1].italian(), "Bolelli, Giocatore B2, Vavassori, Giocatore B1");
    h.play("a");
    EXPECT_EQ(l.serving, 2);
    h.form.AlServizio_Click(1);
    EXPECT_EQ(std::tuple(l.serving, m.AlServizio[1].checked(), m.AlServizio[0].checked(),
                         h.form.view().undoCaption.italian()),
              std::tuple(3, true, false, "Annulla ordine di servizio"));
    h.useThreeSets();
    h.play("aaaaaa aaaaaa");
    EXPECT_EQ(h.platform.messages.back() + l.Vincitore.caption(),
              "Fine partita! Hanno vinto Bolelli / Vavassori in 2 set. Vuoi salvare la partita?"
              "Vincono Bolelli / Vavassori 2-0");
    EXPECT_FALSE(m.AlServizio[0].enabled());

    // Off: each side keeps its first, a name the program gave goes back to the singles one.
    h.form.chooseRule("doubles", 1);
    EXPECT_EQ(names(), "Bolelli|Giocatore B|-|-|Statistiche Bolelli|Giocatore B");
    EXPECT_EQ(std::tuple(l.serving, m.AlServizio[0].enabled()), std::tuple(-1, false));
    h.form.EditUndo_Click();
    EXPECT_EQ(l.Compagno[0].caption(), "Vavassori");
    // A side the window does not have is asked nothing.
    h.platform.inputAnswers.push_back("Nessuno");
    h.form.NomeGiocatore_Click(2);
    h.form.Compagno_Click(2);
    EXPECT_EQ(h.platform.inputAnswers.size(), 1u);
}

}  // namespace
}  // namespace courtlog
