#include "scoring/Rules.h"

namespace courtlog {

namespace {

// A match has at most five sets; nothing is played after the fifth.
constexpr int kMostSets = 5;

}  // namespace

bool Rules::tieBreakInSet(int set) const {
    if (set < 0 || set >= kMostSets) {
        return false;
    }
    switch (tieBreaks) {
        case TieBreakRule::None:
            return false;
        case TieBreakRule::AllButDecidingSet:
            return set < setsInMatch - 1;
        case TieBreakRule::EverySet:
            break;
    }
    return true;
}

TieBreakRule tieBreakRuleOf(const std::array<bool, 3>& marks) {
    if (marks[2]) {
        return TieBreakRule::EverySet;
    }
    return marks[1] ? TieBreakRule::AllButDecidingSet : TieBreakRule::None;
}

Rules rulesOf(int setsInMatch, const std::array<bool, 3>& tieBreakMarks) {
    return Rules{setsInMatch == 3 ? 3 : 5, tieBreakRuleOf(tieBreakMarks)};
}

}  // namespace courtlog
