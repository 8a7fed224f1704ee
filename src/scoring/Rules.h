#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "platform/Text.h"

namespace courtlog {

// Which sets end in a tie-break at six games all, as the three marks of the tie-break menu
// and a match file keep it.
enum class TieBreakRule {
    None,               // every set is played out
    AllButDecidingSet,  // the deciding set is played out
    EverySet,
};

// How the deciding set ends.
enum class DecidingSet {
    Advantage,        // played out: two games clear
    TieBreak7,        // a 7-point tie-break at six games all
    TieBreak10,       // a 10-point tie-break at six games all
    TieBreak7At12,    // a 7-point tie-break at twelve games all
    MatchTieBreak10,  // a 10-point match tie-break instead of the set
};
inline constexpr std::array<DecidingSet, 5> kDecidingSets{
    DecidingSet::Advantage, DecidingSet::TieBreak7, DecidingSet::TieBreak10,
    DecidingSet::TieBreak7At12, DecidingSet::MatchTieBreak10};

// The word a stored option and a match document use for each: adv, tb7, tb10, tb7at12, mtb10.
std::string_view codeOf(DecidingSet deciding);

// How one set is decided.
struct SetFormat {
    int gamesToWin = 0;          // the games that win it, two clear
    int tieBreakAt = 0;          // the games all at which its tie-break is played; 0 for none
    int tieBreakTo = 0;          // the points that win its tie-break
    bool matchTieBreak = false;  // the set is one tie-break, shown as won 1-0
};

// The players of a doubles match by index: side s has players 2s and 2s+1, so A1 = 0, A2 = 1,
// B1 = 2, B2 = 3. In singles each side's player is its first, 0 and 2.
inline constexpr int kPlayers = 4;
constexpr int sideOf(int player) {
    return player / 2;
}

// Which of its two players serves each side's first game of a set, by side: 0 its first, 1
// its second.
using SetServing = std::array<int, 2>;
// The four players of a set in serving turn, the side `firstSide` serving first.
std::array<int, 4> turnOf(const SetServing& serving, int firstSide);
// The serving of a turn of four players; nothing when it is not the four players with the
// sides alternating.
std::optional<SetServing> servingOfTurn(std::span<const int> turn);
// The four servings a set allows, in the order a menu lists them: the side serving first
// chooses first.
std::array<SetServing, 4> servingChoices(int firstSide);

// A serving order as its shortest list over the first `sets` sets: a set that would be served as
// the list says anyway is left out at its end, as is anything past those sets.
std::vector<SetServing> shortestServing(std::vector<SetServing> order, std::size_t sets);

// How a match is scored: everything that two matches with the same points may differ in.
struct Rules {
    int setsInMatch = 5;      // 3 or 5
    bool setTieBreak = true;  // the sets before the deciding one end in a tie-break
    DecidingSet decidingSet = DecidingSet::Advantage;
    bool noAd = false;       // at 40-40 the next point wins the game
    int firstServer = 0;     // who serves the first game of the match
    bool shortSets = false;  // sets to four games, with a tie-break at four all
    bool doubles = false;    // each side is two players, who serve in turn
    // Doubles: each set's serving, from the first set; a set past the list is served as the
    // last one listed, and the first as each side's first player.
    std::vector<SetServing> servingOrder;

    // The serving of set number `set` (from 0).
    SetServing servingIn(int set) const;

    // Sets a player must win: two of three, three of five.
    int setsToWin() const { return setsInMatch / 2 + 1; }
    bool isDecidingSet(int set) const { return set == setsInMatch - 1; }
    // How set number `set` (from 0) is decided; past the last set, as a set without tie-break.
    SetFormat formatOf(int set) const;
    // The rule the tie-break menu shows for these rules: exactly one of its marks stands.
    TieBreakRule tieBreakRule() const;

    bool operator==(const Rules&) const = default;
};

// The three check marks of the tie-break menu, as a match file keeps them: the last mark set
// decides, and with none set every set is played out.
TieBreakRule tieBreakRuleOf(const std::array<bool, 3>& marks);
// The marks that stand for a rule: one of them.
std::array<bool, 3> marksOf(TieBreakRule rule);

// What the tie-break menu's rule means on its own: the other sets' tie-break and the deciding
// set that goes with it (played out, or a 7-point tie-break at 6-6 when every set has one).
bool setTieBreakOf(TieBreakRule rule);
DecidingSet decidingSetOf(TieBreakRule rule);

// The rules of a match kept as a number of sets (3, or else five) and the tie-break menu's marks.
Rules rulesOf(int setsInMatch, const std::array<bool, 3>& tieBreakMarks);

// Rules that cannot go together: the document key of the rule at fault, so that a document
// asking for both is refused and a menu offers no choice that would make them.
std::optional<std::string_view> conflictOf(const Rules& rules);

// ---- The rules a user chooses, one row each: how the document, the stored options and the
// menus name them, and where a Rules keeps them.

// How a rule's value is written, in the document's "rules" and as a stored option.
enum class RuleForm {
    Number,  // the value itself, in decimal
    Flag,    // true or false, as the choice's code or stored text says
    Code,    // the choice's code or stored text
};

enum class RuleMenu { Options, Game };

// What a change of a rule under a recorded match is checked against before it is made.
enum class RuleCheck {
    SetsPlayed,   // no set already completed may end differently
    SetsInMatch,  // the number of sets: the match must not be past or over by three
    None,         // taken as chosen
};

// One value a rule may take.
struct RuleChoice {
    int value = 0;            // as RuleRow::get gives it
    std::string_view code;    // the document's word for it: "true", "tb7"; unused by a number
    std::string_view stored;  // the stored option's text; empty when the rule is not stored
    Source caption;           // the menu item's; none for the unchecked state of a check item
    std::string_view item;    // the menu item's object name
    Source inWords;           // how a sentence names it, where one does
};

struct RuleRow {
    std::string_view key{};  // in the document's "rules"
    RuleForm form = RuleForm::Flag;
    // Otherwise left out at its default value, so that documents without the rule stay as
    // they were.
    bool writtenWhenDefault = false;
    std::string_view storedKey{};  // empty: not stored
    RuleForm storedForm = RuleForm::Flag;
    RuleMenu menu = RuleMenu::Options;
    // The submenu's caption; none: the rule is one check item, its second choice checked.
    Source title{};
    std::string_view menuName{};            // the submenu's object name
    std::span<const RuleChoice> choices{};  // in the menu's order
    int (*get)(const Rules&) = nullptr;
    void (*set)(Rules&, int) = nullptr;  // one of the choices' values
    // What a match file loses of it, %1 the choice in words; none: a match file keeps it.
    Source lost{};
    RuleCheck check = RuleCheck::SetsPlayed;
};

// Every rule a user may choose, in the order the document writes them.
std::span<const RuleRow> ruleRows();
// The row's choice of that value; nothing for a value it does not offer.
const RuleChoice* choiceOf(const RuleRow& row, int value);

}  // namespace courtlog
