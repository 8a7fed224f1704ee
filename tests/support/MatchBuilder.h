#pragma once

#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "form/Captions.h"
#include "history/MatchSession.h"
#include "support/MatchScript.h"

namespace courtlog::testing {

inline const Rules kBestOfThree = rulesOf(3, {false, true, false});

// A match recorded point by point in a session, as the window records it, without a window.
struct MatchBuilder {
    MatchSession session;

    explicit MatchBuilder(const Rules& rules = {}) { session.chooseRules(rules, RuleCheck::None); }

    // Points as letters, as lettered() reads them.
    MatchBuilder& play(std::string_view points) {
        for (const Marks& m : lettered(points)) {
            point(m);
        }
        return *this;
    }

    // One point: its marks as the point panel makes them, then the winner or the serve's outcome.
    MatchBuilder& point(const Marks& m) {
        const std::pair<Attr, int> marks[] = {{Attr::Servizio, m.second},
                                              {Attr::DirittoRovescio, m.stroke},
                                              {Attr::Colpo, m.shot},
                                              {Attr::ErroreVincente, m.ending}};
        for (const auto& [attr, value] : marks) {
            if (value != 0) {
                mark({{attr, value}});
            }
        }
        const auto ask = [](int, bool) { return ResidualAnswer::Overwrite; };
        m.outcome != 0 ? session.recordServe(m.outcome, std::nullopt, ask)
                       : session.recordPoint(m.winner, std::nullopt, ask);
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
