// The options menu, and the options kept between runs.
#include <gtest/gtest.h>

#include "support/Harness.h"

namespace courtlog {
namespace {

using testing::Harness;
using Settings = std::map<std::string, std::string>;

std::string partial(Harness& h) {
    return h.form.Parziale[0].caption() + "-" + h.form.Parziale[1].caption();
}

TEST(Options, NumberOfSetsRescoresWithoutSavingUnlessTheMatchIsTooFarOn) {
    Harness h;
    h.games("AAAAAA BBBBBB AB");
    h.form.MatchInTreSet_Click();
    EXPECT_EQ(h.board(), "6-0 0-6 1-1 0-0");
    EXPECT_EQ(h.form.PuntiDalMatch[0].caption(), "20");
    EXPECT_FALSE(h.form.TieBreakInSet[2]);  // the third set now decides
    EXPECT_FALSE(h.form.MatchSaved);
    h.form.MatchInCinqueSet_Click();
    EXPECT_TRUE(h.form.TieBreakInSet[2]);
    EXPECT_EQ(h.form.PuntiDalMatch[0].caption(), "44");
    h.games("AAAAA");
    h.form.MatchInTreSet_Click();
    EXPECT_EQ(h.board(), "6-0 0-6 6-1 0-0 0-0");

    // Five sets reopen a finished best-of-three match, which cannot go back to three.
    Harness over;
    over.useThreeSets();
    over.platform.messageAnswers = {MsgAnswer::No};
    over.games("AAAAAA AAAAAA");
    over.form.MatchInCinqueSet_Click();
    EXPECT_FALSE(over.form.MatchOver);
    over.games("A");
    over.form.MatchInTreSet_Click();
    EXPECT_EQ(over.board(), "6-0 6-0 1-0 0-0");
    EXPECT_FALSE(h.form.MatchInTreSet.checked() || over.form.MatchInTreSet.checked());
    // The number keeps the blank of its sign: two blanks before it.
    EXPECT_EQ(
        h.platform.messages,
        std::vector<std::string>{"Spiacente, ma si è già al  4° set. Impossibile modificare."});
    EXPECT_EQ(over.platform.messages.back(),
              "Spiacente, ma la partita sarebbe già finita. Impossibile modificare.");
}

TEST(Options, TieBreakInEverySetRescoresTheDecidingSet) {
    Harness h;
    h.useThreeSets();
    h.platform.messageAnswers = {MsgAnswer::No};
    h.games("AAAAAA BBBBBB ABABABABABAB AA");
    ASSERT_EQ(h.board(), "6-0 0-6 8-6 0-0 0-0");
    const int points = h.form.PointCount;
    h.form.TieBreakWhen_Click(2);
    h.form.TieBreakWhen_Click(3);  // no such rule
    EXPECT_TRUE(h.form.TieBreakWhen[2].checked());
    // Seven of the last eight points win the tie-break; the eighth lies after the end of the
    // match: counted by the statistics, not scored.
    EXPECT_EQ(h.board(), "6-0 0-6 7-6(7-0) 0-0 0-0");
    EXPECT_EQ(h.form.PuntiVinti[0].number() + h.form.PuntiVinti[1].number(), points - 1);
    EXPECT_EQ(h.platform.messages.size(), 1u);  // no question during the replay
}

// A match with no tie-break rule plays every set out, whatever rule the window had before: it
// reads the same in any window and in the reports.
TEST(Options, NoTieBreakRuleIsScoredTheSameAfterAnyRule) {
    Harness none;
    none.useTieBreakRule(0);
    none.games("ABABABABABAB A");
    MatchRecord m = none.form.matchRecord();
    m.tieBreakWhen = {false, false, false};
    for (int before : {0, 1, 2}) {
        Harness h;
        h.useTieBreakRule(before);
        h.form.applyMatch(m);
        EXPECT_EQ(h.board(), "7-6 0-0") << "after rule " << before;
    }
}

// Switched off, the partial score and the points to the set and match show nothing; switched
// back on, they show what live entry would have shown.
TEST(Options, DisplaysSwitchedOffAndBackOnShowWhatLiveEntryWould) {
    Harness h;
    h.games("AAAAAA BBBBBB ABABABAA");
    h.form.DisabilitaParziale_Click();
    h.form.DisabilitaPuntiDalMatch_Click();
    h.play("AAA");
    EXPECT_EQ(partial(h), "0-0");
    EXPECT_FALSE(h.form.SetPoint[0].visible());
    h.play("BBBAB");  // set point, saved to deuce, set point again, deuce
    h.form.GameUndo_Click();
    EXPECT_EQ(partial(h), "0-0");
    h.form.DisabilitaParziale_Click();
    h.form.DisabilitaPuntiDalMatch_Click();
    EXPECT_EQ(partial(h), "12-3");  // everything since B last won a game
    // Set points are counted while hidden: this is the fourth of the set.
    EXPECT_EQ(h.form.SetPoint[0].caption(), "Set Point #4");
    EXPECT_TRUE(h.form.SetPoint[0].visible());
    EXPECT_EQ(h.form.PuntiDalSet[0].caption() + "/" + h.form.PuntiDalMatch[1].caption(), "1/39");
}

// The five stored options, in the order the window reads them.
Settings stored(const std::string& parziale, const std::string& puntiDalMatch,
                const std::string& tieBreakWhen, const std::string& treSet,
                const std::string& inUscita) {
    const std::string k = "Courtlog/Opzioni/";
    return {{k + "DisabilitaParziale", parziale},
            {k + "DisabilitaPuntiDalMatch", puntiDalMatch},
            {k + "TieBreakWhen", tieBreakWhen},
            {k + "MatchInTreSet", treSet},
            {k + "SalvaOpzioniInUscita", inUscita}};
}

// The options as the menus show them, in the same order.
std::string options(Harness& h) {
    std::string s;
    for (const MenuCheck* m :
         {&h.form.DisabilitaParziale, &h.form.DisabilitaPuntiDalMatch, &h.form.TieBreakWhen[0],
          &h.form.TieBreakWhen[1], &h.form.TieBreakWhen[2], &h.form.MatchInTreSet,
          &h.form.SalvaOpzioniInUscita}) {
        s += m->checked() ? '1' : '0';
    }
    return s;
}

TEST(Settings, StoredValuesAreReadInEveryFormSavedBackCleanlyAndOnClosingIfAsked) {
    const std::vector<std::pair<Settings, std::string>> cases{
        {{}, "0001000"},
        {stored("true", "-1", " 0 ", "TRUE", "1"), "1110011"},
        {stored("False", "0", "2", "True", "false"), "0000110"},
        // What cannot be read leaves the fresh options; a rule the menu lacks checks none.
        {stored("forse", "", "7", "3 set", "yes"), "0000000"},
        {stored("", "", "2.5", "", ""), "0001000"},
        {stored("", "", "0x2", "", ""), "0001000"},
    };
    for (const auto& [settings, expected] : cases) {
        SCOPED_TRACE(expected);
        Harness h;
        h.platform.settings = settings;
        h.form.Form_Load();
        EXPECT_EQ(options(h), expected);
        EXPECT_EQ(h.form.Set4[0].visible(), expected[5] == '0');
        EXPECT_EQ(h.platform.settings, settings);  // loading writes nothing
        h.form.SalvaOpzioni_Click();
        const auto b = [&](int i) { return expected[i] == '1' ? "True" : "False"; };
        Settings saved = stored(b(0), b(1), std::to_string(expected.find('1', 2) - 2), b(5), b(6));
        if (expected.substr(2, 3) == "000") {  // no rule checked: the stored one stays
            saved["Courtlog/Opzioni/TieBreakWhen"] = settings.at("Courtlog/Opzioni/TieBreakWhen");
        }
        EXPECT_EQ(h.platform.settings, saved);
        // Closing stores them only when asked to, and offers to save only an unsaved match.
        h.platform.settings.clear();
        h.form.Form_Unload();
        EXPECT_EQ(h.platform.settings.empty(), expected[6] == '0');
        h.play("A");
        h.form.Form_Unload();
        EXPECT_EQ(h.platform.saveDialogNames.size(), 1u);
    }
}

}  // namespace
}  // namespace courtlog
