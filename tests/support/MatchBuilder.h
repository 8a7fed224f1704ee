#pragma once

#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "form/Captions.h"
#include "history/MatchSession.h"

namespace courtlog::testing {

inline const Rules kBestOfThree = rulesOf(3, {false, true, false});

// A match recorded point by point in a session, as the window records it, without a window.
struct MatchBuilder {
    MatchSession session;

    explicit MatchBuilder(const Rules& rules = {}) { session.chooseRules(rules, RuleCheck::None); }

    // Points as letters: A or B for the winner, '*' an ace and '!' a double fault of whoever
    // serves, '2' the next point on the second serve; anything else is layout.
    MatchBuilder& play(std::string_view points) {
        const auto ask = [](int, bool) { return ResidualAnswer::Overwrite; };
        for (char c : points) {
            if (c == 'A' || c == 'B') {
                session.recordPoint(c - 'A', std::nullopt, ask);
            } else if (c == '*' || c == '!') {
                session.recordServe(c == '*' ? 1 : 2, std::nullopt, ask);
            } else if (c == '2') {
                mark({{Attr::Servizio, 1}});
            }
        }
        return *this;
    }

    // Marks the next point as the point panel does.
    MatchBuilder& mark(std::initializer_list<std::pair<Attr, int>> marks) {
        session.mark(std::span(marks.begin(), marks.size()));
        return *this;
    }

    MatchBuilder& names(const std::string& a, const std::string& b) {
        session.renamePlayer(0, Text::verbatim(a));
        session.renamePlayer(1, Text::verbatim(b));
        return *this;
    }

    MatchRecord record() const { return session.record(); }

    // The score as a tennis score: finished sets with tie-break points, then the games and the
    // points of the one being played, e.g. "7-6(8-6) 2-3 15-40".
    std::string board() const {
        const Score& s = session.score();
        const auto pair = [](const Pair& p) {
            return std::to_string(p[0]) + "-" + std::to_string(p[1]);
        };
        std::string out;
        for (int set = 0; set < s.set && set < 5; ++set) {
            const FinishedSet& f = s.finished[static_cast<std::size_t>(set)];
            out += pair(f.games) + (f.tieBreak ? "(" + pair(f.tieBreakPoints) + ")" : "") + " ";
        }
        return out + pair(s.games) + " " + pointCaption(s, 0).italian() + "-" +
               pointCaption(s, 1).italian();
    }
};

}  // namespace courtlog::testing
