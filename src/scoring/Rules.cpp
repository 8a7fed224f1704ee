#include "scoring/Rules.h"

#include <algorithm>

namespace courtlog {

namespace {

// A match has at most five sets; nothing is played after the fifth.
constexpr int kMostSets = 5;

// Each: value, document code, stored text, caption, item name, in words.
constexpr RuleChoice kSetsChoices[] = {
    {3, {}, "True", CL_TEXT("Options", "3 Set"), "MatchInTreSet", {}},
    {5, {}, "False", CL_TEXT("Options", "5 Set"), "MatchInCinqueSet", {}},
};
// A document says only whether the other sets have a tie-break; the deciding set is its own
// rule, read after this one.
constexpr RuleChoice kTieBreakChoices[] = {
    {0, "false", "0", CL_TEXT("Options", "&No Tie-Break"), "TieBreakWhen_0", {}},
    {1, "true", "1", CL_TEXT("Options", "&Tranne l'ultimo set"), "TieBreakWhen_1", {}},
    {2, "true", "2", CL_TEXT("Options", "&Tutti i set"), "TieBreakWhen_2", {}},
};
constexpr RuleChoice kDecidingChoices[] = {
    {0, "adv", "adv", CL_TEXT("Options", "&Ai vantaggi"), "SetDecisivo_0",
     CL_TEXT("Messages", "ai vantaggi")},
    {1, "tb7", "tb7", CL_TEXT("Options", "Tie-break a &7 sul 6 pari"), "SetDecisivo_1",
     CL_TEXT("Messages", "tie-break a 7 sul 6 pari")},
    {2, "tb10", "tb10", CL_TEXT("Options", "Tie-break a &10 sul 6 pari"), "SetDecisivo_2",
     CL_TEXT("Messages", "tie-break a 10 sul 6 pari")},
    {3, "tb7at12", "tb7at12", CL_TEXT("Options", "Tie-break a 7 sul &12 pari"), "SetDecisivo_3",
     CL_TEXT("Messages", "tie-break a 7 sul 12 pari")},
    {4, "mtb10", "mtb10", CL_TEXT("Options", "&Match tie-break a 10"), "SetDecisivo_4",
     CL_TEXT("Messages", "match tie-break a 10")},
};
constexpr RuleChoice kNoAdChoices[] = {
    {0, "false", "False", {}, {}, {}},
    {1, "true", "True", CL_TEXT("Options", "&Killer point (senza vantaggi)"), "KillerPoint", {}},
};
constexpr RuleChoice kShortSetsChoices[] = {
    {0, "false", "False", {}, {}, {}},
    {1, "true", "True", CL_TEXT("Options", "Set &brevi (a 4 game)"), "SetBrevi", {}},
};
constexpr RuleChoice kDoublesChoices[] = {
    {0, "false", "False", {}, {}, {}},
    {1, "true", "True", CL_TEXT("Options", "D&oppio"), "Doppio", {}},
};
// The items show the players' names; these are what a screen reader says.
constexpr RuleChoice kFirstServerChoices[] = {
    {0, {}, {}, CL_TEXT("Options", "Primo al servizio Giocatore A"), "PrimoAlServizio_0", {}},
    {1, {}, {}, CL_TEXT("Options", "Primo al servizio Giocatore B"), "PrimoAlServizio_1", {}},
};

constexpr RuleRow kRows[] = {
    {.key = "bestOf",
     .form = RuleForm::Number,
     .writtenWhenDefault = true,
     .storedKey = "MatchInTreSet",
     .title = CL_TEXT("Options", "&Match in"),
     .menuName = "OpzioniMatchIn",
     .choices = kSetsChoices,
     .get = [](const Rules& r) { return r.setsInMatch; },
     .set = [](Rules& r, int v) { r.setsInMatch = v; },
     .check = RuleCheck::SetsInMatch},
    {.key = "setTieBreak",
     .writtenWhenDefault = true,
     .storedKey = "TieBreakWhen",
     .storedForm = RuleForm::Number,
     .title = CL_TEXT("Options", "&Tie-Break"),
     .menuName = "OpzioniTieBreak",
     .choices = kTieBreakChoices,
     .get = [](const Rules& r) { return static_cast<int>(r.tieBreakRule()); },
     .set =
         [](Rules& r, int v) {
             r.setTieBreak = setTieBreakOf(static_cast<TieBreakRule>(v));
             r.decidingSet = decidingSetOf(static_cast<TieBreakRule>(v));
         },
     // The deciding set the rule stands for comes with it, whatever was played.
     .check = RuleCheck::None},
    {.key = "decidingSet",
     .form = RuleForm::Code,
     .writtenWhenDefault = true,
     .storedKey = "SetDecisivo",
     .storedForm = RuleForm::Code,
     .title = CL_TEXT("Options", "Set d&ecisivo"),
     .menuName = "OpzioniSetDecisivo",
     .choices = kDecidingChoices,
     .get = [](const Rules& r) { return static_cast<int>(r.decidingSet); },
     .set = [](Rules& r, int v) { r.decidingSet = static_cast<DecidingSet>(v); },
     .lost = CL_TEXT("Messages", "il set decisivo: %1")},
    {.key = "noAd",
     .writtenWhenDefault = true,
     .storedKey = "KillerPoint",
     .choices = kNoAdChoices,
     .get = [](const Rules& r) { return r.noAd ? 1 : 0; },
     .set = [](Rules& r, int v) { r.noAd = v != 0; },
     .lost = CL_TEXT("Messages", "il punto secco sul 40 pari")},
    {.key = "firstServer",
     .form = RuleForm::Number,
     .writtenWhenDefault = true,
     .menu = RuleMenu::Game,
     .title = CL_TEXT("Options", "Primo al &servizio"),
     .menuName = "GamePrimoAlServizio",
     .choices = kFirstServerChoices,
     .get = [](const Rules& r) { return r.firstServer; },
     .set = [](Rules& r, int v) { r.firstServer = v; },
     .lost = CL_TEXT("Messages", "il servizio del secondo giocatore all'inizio")},
    {.key = "shortSets",
     .storedKey = "SetBrevi",
     .choices = kShortSetsChoices,
     .get = [](const Rules& r) { return r.shortSets ? 1 : 0; },
     .set = [](Rules& r, int v) { r.shortSets = v != 0; },
     .lost = CL_TEXT("Messages", "i set brevi")},
    // Who served which point is the serving order's; the score does not change with it.
    {.key = "doubles",
     .storedKey = "Doppio",
     .menu = RuleMenu::Game,
     .choices = kDoublesChoices,
     .get = [](const Rules& r) { return r.doubles ? 1 : 0; },
     .set = [](Rules& r, int v) { r.doubles = v != 0; },
     .lost = CL_TEXT("Messages", "il doppio"),
     .check = RuleCheck::None},
};

}  // namespace

std::span<const RuleRow> ruleRows() {
    return kRows;
}

const RuleChoice* choiceOf(const RuleRow& row, int value) {
    const auto it = std::ranges::find(row.choices, value, &RuleChoice::value);
    return it == row.choices.end() ? nullptr : &*it;
}

std::string_view codeOf(DecidingSet deciding) {
    return kDecidingChoices[static_cast<std::size_t>(deciding)].code;
}

std::optional<std::string_view> conflictOf(const Rules& rules) {
    // A short set has no twelve games all.
    if (rules.shortSets && rules.decidingSet == DecidingSet::TieBreak7At12) {
        return "decidingSet";
    }
    return std::nullopt;
}

SetFormat Rules::formatOf(int set) const {
    // Six games win a set, four a short one; a tie-break, when there is one, is played at that
    // many games all, to seven.
    const int games = shortSets ? 4 : 6;
    const SetFormat playedOut{games, 0, 7, false};
    const SetFormat tieBreak{games, games, 7, false};
    if (set < 0 || set >= kMostSets) {
        return playedOut;
    }
    if (!isDecidingSet(set)) {
        return setTieBreak ? tieBreak : playedOut;
    }
    switch (decidingSet) {
        case DecidingSet::Advantage:
            return playedOut;
        case DecidingSet::TieBreak7:
            return tieBreak;
        case DecidingSet::TieBreak10:
            return {games, games, 10, false};
        case DecidingSet::TieBreak7At12:
            return {games, 12, 7, false};
        case DecidingSet::MatchTieBreak10:
            break;
    }
    return {games, 0, 10, true};
}

SetServing Rules::servingIn(int set) const {
    if (servingOrder.empty() || set < 0) {
        return {0, 0};
    }
    return servingOrder[std::min(static_cast<std::size_t>(set), servingOrder.size() - 1)];
}

std::vector<SetServing> shortestServing(std::vector<SetServing> order, std::size_t sets) {
    order.resize(std::min(order.size(), sets));
    while (!order.empty() &&
           order.back() == (order.size() > 1 ? order[order.size() - 2] : SetServing{0, 0})) {
        order.pop_back();
    }
    return order;
}

std::array<int, 4> turnOf(const SetServing& serving, int firstSide) {
    const int s = firstSide == 1 ? 1 : 0;
    const int o = 1 - s;
    const int fs = serving[static_cast<std::size_t>(s)] == 1 ? 1 : 0;
    const int fo = serving[static_cast<std::size_t>(o)] == 1 ? 1 : 0;
    return {2 * s + fs, 2 * o + fo, 2 * s + 1 - fs, 2 * o + 1 - fo};
}

std::optional<SetServing> servingOfTurn(std::span<const int> turn) {
    if (turn.size() != 4) {
        return std::nullopt;
    }
    std::array<bool, kPlayers> seen{};
    for (std::size_t k = 0; k < 4; ++k) {
        const int p = turn[k];
        if (p < 0 || p >= kPlayers || seen[static_cast<std::size_t>(p)] ||
            sideOf(p) != sideOf(turn[k % 2])) {
            return std::nullopt;
        }
        seen[static_cast<std::size_t>(p)] = true;
    }
    if (sideOf(turn[0]) == sideOf(turn[1])) {
        return std::nullopt;
    }
    SetServing serving{};
    serving[static_cast<std::size_t>(sideOf(turn[0]))] = turn[0] % 2;
    serving[static_cast<std::size_t>(sideOf(turn[1]))] = turn[1] % 2;
    return serving;
}

std::array<SetServing, 4> servingChoices(int firstSide) {
    std::array<SetServing, 4> choices{};
    const auto s = static_cast<std::size_t>(firstSide == 1 ? 1 : 0);
    for (int k = 0; k < 4; ++k) {
        choices[static_cast<std::size_t>(k)][s] = k / 2;
        choices[static_cast<std::size_t>(k)][1 - s] = k % 2;
    }
    return choices;
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
