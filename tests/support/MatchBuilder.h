#pragma once

#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "history/MatchSession.h"
#include "support/MatchScript.h"

namespace courtlog::testing {

inline const Rules kBestOfThree = rulesOf(3, {false, true, false});

// A match recorded point by point in a session, as the window records it, without a window.
struct MatchBuilder {
    MatchSession session;

    explicit MatchBuilder(const Rules& rules = {}, Video* video = nullptr)
        : session({}, nullptr, video) {
        session.chooseRules(rules, RuleCheck::None);
    }

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
        session.renamePlayer(2, Text::verbatim(b));
        return *this;
    }

    MatchRecord record() const { return session.record(); }

    // The score as scoreText writes it.
    std::string board() const { return scoreText(session.score()); }
};

}  // namespace courtlog::testing
