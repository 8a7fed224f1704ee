#pragma once

#include <array>
#include <optional>
#include <string_view>

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
std::optional<DecidingSet> decidingSetFromCode(std::string_view code);

// How one set is decided.
struct SetFormat {
    int tieBreakAt = 0;          // the games all at which its tie-break is played; 0 for none
    int tieBreakTo = 7;          // the points that win its tie-break
    bool matchTieBreak = false;  // the set is one tie-break, shown as won 1-0
};

// How a match is scored: everything that two matches with the same points may differ in.
struct Rules {
    int setsInMatch = 5;      // 3 or 5
    bool setTieBreak = true;  // the sets before the deciding one end in a tie-break at 6-6
    DecidingSet decidingSet = DecidingSet::Advantage;
    bool noAd = false;    // at 40-40 the next point wins the game
    int firstServer = 0;  // who serves the first game of the match

    // Sets a player must win: two of three, three of five.
    int setsToWin() const { return setsInMatch / 2 + 1; }
    bool isDecidingSet(int set) const { return set == setsInMatch - 1; }
    // How set number `set` (from 0) is decided.
    SetFormat formatOf(int set) const;
    // Whether set number `set` (from 0) is decided by a tie-break when its games are level.
    bool tieBreakInSet(int set) const { return formatOf(set).tieBreakAt > 0; }
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

}  // namespace courtlog
