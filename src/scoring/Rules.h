#pragma once

#include <array>

namespace courtlog {

// Which sets end in a tie-break at six games all.
enum class TieBreakRule {
    None,               // every set is played out
    AllButDecidingSet,  // the deciding set is played out
    EverySet,
};

// How a match is scored: everything that two matches with the same points may differ in.
struct Rules {
    int setsInMatch = 5;  // 3 or 5
    TieBreakRule tieBreaks = TieBreakRule::AllButDecidingSet;

    // Sets a player must win: two of three, three of five.
    int setsToWin() const { return setsInMatch / 2 + 1; }
    // Whether set number `set` (from 0) is decided by a tie-break at six games all.
    bool tieBreakInSet(int set) const;
};

// The rule that the three check marks of the tie-break menu stand for, as a match file keeps
// them: the last mark set decides, and with none set every set is played out.
TieBreakRule tieBreakRuleOf(const std::array<bool, 3>& marks);

// The rules of a match kept as a number of sets (3, or else five) and the tie-break menu's marks.
Rules rulesOf(int setsInMatch, const std::array<bool, 3>& tieBreakMarks);

}  // namespace courtlog
