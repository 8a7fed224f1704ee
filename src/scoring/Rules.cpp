#include "scoring/Rules.h"

namespace courtlog {

namespace {

// A match has at most five sets; nothing is played after the fifth.
constexpr int kMostSets = 5;

constexpr std::array<std::string_view, 5> kDecidingCodes{"adv", "tb7", "tb10", "tb7at12", "mtb10"};

}  // namespace

std::string_view codeOf(DecidingSet deciding) {
    return kDecidingCodes[static_cast<std::size_t>(deciding)];
}

std::optional<DecidingSet> decidingSetFromCode(std::string_view code) {
    for (DecidingSet d : kDecidingSets) {
        if (codeOf(d) == code) {
            return d;
        }
    }
    return std::nullopt;
}

SetFormat Rules::formatOf(int set) const {
    if (set < 0 || set >= kMostSets) {
        return {};
    }
    if (!isDecidingSet(set)) {
        return setTieBreak ? SetFormat{6, 7, false} : SetFormat{};
    }
    switch (decidingSet) {
        case DecidingSet::Advantage:
            return {};
        case DecidingSet::TieBreak7:
            return {6, 7, false};
        case DecidingSet::TieBreak10:
            return {6, 10, false};
        case DecidingSet::TieBreak7At12:
            return {12, 7, false};
        case DecidingSet::MatchTieBreak10:
            break;
    }
    return {0, 10, true};
}

TieBreakRule Rules::tieBreakRule() const {
    if (!setTieBreak) {
        return TieBreakRule::None;
    }
    return decidingSet == DecidingSet::TieBreak7 ? TieBreakRule::EverySet
                                                 : TieBreakRule::AllButDecidingSet;
}

TieBreakRule tieBreakRuleOf(const std::array<bool, 3>& marks) {
    if (marks[2]) {
        return TieBreakRule::EverySet;
    }
    return marks[1] ? TieBreakRule::AllButDecidingSet : TieBreakRule::None;
}

std::array<bool, 3> marksOf(TieBreakRule rule) {
    std::array<bool, 3> marks{};
    marks[static_cast<std::size_t>(rule)] = true;
    return marks;
}

bool setTieBreakOf(TieBreakRule rule) {
    return rule != TieBreakRule::None;
}

DecidingSet decidingSetOf(TieBreakRule rule) {
    return rule == TieBreakRule::EverySet ? DecidingSet::TieBreak7 : DecidingSet::Advantage;
}

Rules rulesOf(int setsInMatch, const std::array<bool, 3>& tieBreakMarks) {
    const TieBreakRule rule = tieBreakRuleOf(tieBreakMarks);
    Rules rules;
    rules.setsInMatch = setsInMatch == 3 ? 3 : 5;
    rules.setTieBreak = setTieBreakOf(rule);
    rules.decidingSet = decidingSetOf(rule);
    return rules;
}

}  // namespace courtlog
