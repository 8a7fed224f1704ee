// The options menu, and the options kept between runs.
#include <gtest/gtest.h>

#include <sstream>

#include "support/Harness.h"

namespace courtlog {
namespace {

using testing::Harness;
using Settings = std::map<std::string, std::string>;

TEST(Options, NumberOfSetsAndTieBreaksRescoreWithoutSavingUnlessTheMatchIsTooFarOn) {
    Harness h, over;
    h.play("aaaaaa bbbbbb ab");
    h.form.chooseRule("bestOf", 0);
    // The third set now decides (with no tie-break: the session's test).
    EXPECT_EQ(std::tuple(h.board(), h.labels().PuntiDalMatch[0].caption(), h.session().saved()),
              std::tuple("6-0 0-6 1-1 0-0", "20", false));
    h.form.chooseRule("bestOf", 1);
    EXPECT_EQ(h.labels().PuntiDalMatch[0].caption(), "44");

    // Five sets reopen a finished best-of-three match, which cannot go back to three: refused
    // once, after the question at its end.
    over.useThreeSets();
    over.platform.messageAnswers = {MsgAnswer::No};
    over.play("aaaaaa aaaaaa");
    over.form.chooseRule("bestOf", 1);
    over.play("a");
    over.form.chooseRule("bestOf", 0);
    EXPECT_EQ(std::tuple(over.board(), over.menus().rule("MatchInTreSet").checked(),
                         h.platform.messages.size(), over.platform.messages.at(1)),
              std::tuple("6-0 6-0 1-0 0-0", false, 0u,
                         "Spiacente, ma la partita sarebbe già finita. Impossibile modificare."));

    // A tie-break in every set rescores the deciding set of a finished match.
    Harness t;
    t.useThreeSets();
    t.platform.messageAnswers = {MsgAnswer::No};
    t.play("aaaaaa bbbbbb abababababab aa");
    ASSERT_EQ(t.board(), "6-0 0-6 8-6 0-0 0-0");
    const int points = t.session().points().count();
    t.form.chooseRule("setTieBreak", 2);
    t.form.chooseRule("setTieBreak", 3);  // no such rule
    // Seven of the last eight points win the tie-break; the eighth lies after the end of the
    // match: counted by the statistics, not scored. The replay asks no question.
    EXPECT_EQ(std::tuple(t.form.view().menus.rule("TieBreakWhen_2").checked(), t.board(),
                         t.session().score().pointsWon[0] + t.session().score().pointsWon[1],
                         t.platform.messages.size()),
              std::tuple(true, "6-0 0-6 7-6(7-0) 0-0 0-0", points - 1, 1u));
}

// Switched off, the partial score and the points to the set and match show nothing; switched
// back on, they show what live entry would have shown.
TEST(Options, DisplaysSwitchedOffAndBackOnShowWhatLiveEntryWould) {
    Harness h;
    const auto partial = [&] {
        return h.labels().Parziale[0].caption() + "-" + h.labels().Parziale[1].caption();
    };
    h.play("aaaaaa bbbbbb abababaa");
    h.form.toggle(Switch::DisabilitaParziale);
    h.form.toggle(Switch::DisabilitaPuntiDalMatch);
    h.play("AAA");
    EXPECT_EQ(partial() + (h.labels().SetPoint[0].visible() ? " with set point" : "") +
                  (h.labels().MatchPoint[0].visible() ? " with match point" : ""),
              "0-0");
    h.play("BBBAB");  // set point, saved to deuce, set point again, deuce
    h.form.goTo(h.session().points().current() - 1);
    EXPECT_EQ(partial(), "0-0");
    h.form.toggle(Switch::DisabilitaParziale);
    h.form.toggle(Switch::DisabilitaPuntiDalMatch);
    // Everything since B last won a game; set points are counted while hidden: this is the
    // fourth of the set.
    EXPECT_EQ(
        std::tuple(
            partial(), h.labels().SetPoint[0].visible(), h.labels().SetPoint[0].caption(),
            h.labels().PuntiDalSet[0].caption() + "/" + h.labels().PuntiDalMatch[1].caption()),
        std::tuple("12-3", true, "Set Point #4", "1/39"));
}

// The first five stored options, in the order the window reads them, and the rules of today's
// matches when given.
Settings stored(const std::array<std::string, 5>& v, const std::array<std::string, 5>& today = {}) {
    std::istringstream keys(
        "DisabilitaParziale DisabilitaPuntiDalMatch TieBreakWhen MatchInTreSet "
        "SalvaOpzioniInUscita SetDecisivo KillerPoint OraDeiPunti SetBrevi Doppio");
    Settings s;
    std::string key;
    for (std::size_t i = 0; i < (today[0].empty() ? 5u : 10u) && keys >> key; ++i) {
        s["Courtlog/Opzioni/" + key] = i < 5 ? v[i] : today[i - 5];
    }
    return s;
}

// The rules of today's matches are read after the tie-break rule: the deciding set stored
// overrides the one the rule stands for, and moves its mark.
TEST(Settings, StoredValuesAreReadInEveryFormSavedBackCleanlyAndOnClosingIfAsked) {
    const std::array<std::string, 5> rule2{"False", "False", "2", "False", "False"};
    const std::vector<std::pair<Settings, std::string>> cases{
        {{}, "0001000 adv"},
        {stored({"true", "-1", " 0 ", "TRUE", "1"}), "1110011 adv"},
        {stored({"False", "0", "2", "True", "false"}), "0000110 tb7"},
        // What cannot be read leaves the fresh options; a rule the menu lacks is no
        // tie-break, and its mark stands.
        {stored({"forse", "", "7", "3 set", "yes"}), "0010000 adv"},
        {stored({"1", "", "3", "", ""}), "1010000 adv"},
        {stored({"", "", "-32768", "", ""}), "0010000 adv"},
        {stored({"", "", "2.5", "", ""}), "0001000 adv"},
        {stored({"", "", "0x2", "", ""}), "0001000 adv"},
        {stored(rule2, {"tb10", "1", "true", "False", "True"}), "0001000 tb10 noAd timed doubles"},
        {stored(rule2, {"mtb10", "False", "0", "True"}), "0001000 mtb10 short"},
        {stored(rule2, {"tb9", "forse", "", ""}), "0000100 tb7"},  // the rule's own deciding set
    };
    for (const auto& [settings, expected] : cases) {
        SCOPED_TRACE(expected);
        Harness h;
        h.platform.settings = settings;
        h.form.Form_Load();
        // The options as the menus show them, in the order they are stored, then the rules;
        // loading writes nothing.
        const auto c = [](const MenuCheck& m) { return m.checked() ? '1' : '0'; };
        const Rules r = h.session().rules();
        const Menus& m = h.menus();
        const std::string options =
            std::string{c(m.DisabilitaParziale),     c(m.DisabilitaPuntiDalMatch),
                        c(m.rule("TieBreakWhen_0")), c(m.rule("TieBreakWhen_1")),
                        c(m.rule("TieBreakWhen_2")), c(m.rule("MatchInTreSet")),
                        c(m.SalvaOpzioniInUscita)} +
            " " + std::string(codeOf(r.decidingSet)) + (r.noAd ? " noAd" : "") +
            (m.OraDeiPunti.checked() ? " timed" : "") + (r.shortSets ? " short" : "") +
            (r.doubles ? " doubles" : "");
        EXPECT_EQ(std::tuple(options, h.labels().Set4[0].visible(), h.platform.settings),
                  std::tuple(expected, expected[5] == '0', settings));
        h.form.SalvaOpzioni_Click();
        const auto b = [&](int i) { return expected[i] == '1' ? "True" : "False"; };
        const auto word = [&](const char* w) {
            return expected.find(w) != expected.npos ? "True" : "False";
        };
        EXPECT_EQ(h.platform.settings,
                  stored({b(0), b(1), std::to_string(expected.find('1', 2) - 2), b(5), b(6)},
                         {expected.substr(8, expected.find(' ', 8) - 8), word(" noAd"),
                          word(" timed"), word(" short"), word(" doubles")}));
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
