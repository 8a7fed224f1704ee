#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "scoring/PointWord.h"
#include "scoring/Scoring.h"

namespace courtlog::testing {

// The marks of one point, by name; what is not given is the slot's first option.
struct Marks {
    int winner = 0, second = 0, stroke = 0, shot = 0, ending = 0, outcome = 0;
};

inline PointWord word(const Marks& m) {
    PointWord w = 0;
    CreaInfo(w, Attr::Punto, m.winner);
    CreaInfo(w, Attr::Servizio, m.second);
    CreaInfo(w, Attr::DirittoRovescio, m.stroke);
    CreaInfo(w, Attr::Colpo, m.shot);
    CreaInfo(w, Attr::ErroreVincente, m.ending);
    CreaInfo(w, Attr::AceDoppioFallo, m.outcome);
    return w;
}

// The score in tennis notation: the finished sets with their tie-break points, then the games
// and points of the set being played, "7-6(8-6) 2-3 15-40", or "over" once it has ended.
inline std::string scoreText(const Score& s) {
    static constexpr const char* kPoints[] = {"0", "15", "30", "40", "AD"};
    const auto pair = [](const Pair& p) {
        return std::to_string(p[0]) + "-" + std::to_string(p[1]);
    };
    std::string t;
    for (int k = 0; k < s.set && k < 5; ++k) {
        const FinishedSet& f = s.finished[static_cast<std::size_t>(k)];
        t += pair(f.games) + (f.tieBreak ? "(" + pair(f.tieBreakPoints) + ")" : "") + " ";
    }
    const auto point = [&](int p) {
        return s.inTieBreak ? std::to_string(s.points[p]) : std::string(kPoints[s.points[p]]);
    };
    return t + (s.over ? "over" : pair(s.games) + " " + point(0) + "-" + point(1));
}

// Points as letters: A or B for the winner, a or b a game won to love, '*' an ace and '!' a
// double fault of whoever serves, '2' the next point on the second serve; anything else is
// layout.
inline std::vector<Marks> lettered(std::string_view points) {
    std::vector<Marks> out;
    int second = 0;
    for (char c : points) {
        if (c == 'A' || c == 'B') {
            out.push_back({.winner = c - 'A', .second = std::exchange(second, 0)});
        } else if (c == 'a' || c == 'b') {
            out.insert(out.end(), 4, {.winner = c - 'a'});
        } else if (c == '*' || c == '!') {
            out.push_back({.second = std::exchange(second, 0), .outcome = c == '*' ? 1 : 2});
        }
        second = c == '2' ? 1 : second;
    }
    return out;
}

// Builds point sequences for whole sets from their final score, so long matches read as the
// score they produce. Points are letters A and B, as Harness::play takes them.
class MatchScript {
public:
    // A set won without tie-break: the loser's games come first, alternating, so the set
    // cannot end before its last game (6-4, 7-5, 9-7 ...).
    MatchScript& set(int gamesA, int gamesB) {
        const int low = std::min(gamesA, gamesB);
        for (int i = 0; i < low; ++i) {
            game('A').game('B');
        }
        for (int i = low; i < std::max(gamesA, gamesB); ++i) {
            game(gamesA > gamesB ? 'A' : 'B');
        }
        return *this;
    }

    // A set at `level` games all decided by a tie-break with these points.
    MatchScript& tieBreakSet(int pointsA, int pointsB, int level = 6) {
        return set(level, level).tieBreak(pointsA, pointsB);
    }

    // The points of a tie-break, the match tie-break too: level to the lower score, then the
    // winner's run.
    MatchScript& tieBreak(int pointsA, int pointsB) {
        const int low = std::min(pointsA, pointsB);
        for (int i = 0; i < low; ++i) {
            points_ += "AB";
        }
        points_ += std::string(pointsA - low, 'A') + std::string(pointsB - low, 'B');
        return *this;
    }

    // One game won by w; the games vary between love, thirty, forty and deuces.
    MatchScript& game(char w) {
        static constexpr const char* kShapes[] = {"WWWW", "WLWWW", "LLWWWW", "WLWLWLLWWW"};
        for (const char* c = kShapes[games_++ % 4]; *c != '\0'; ++c) {
            points_ += *c == 'W' ? w : (w == 'A' ? 'B' : 'A');
        }
        return *this;
    }

    const std::string& points() const { return points_; }

private:
    std::string points_;
    int games_ = 0;
};

}  // namespace courtlog::testing
