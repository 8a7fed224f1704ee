#pragma once

#include <array>

#include "scoring/Rules.h"

namespace courtlog {

// Two numbers, one for each player: index 0 is player A, 1 player B.
using Pair = std::array<int, 2>;

// The points of a regular game, in order: 0, 15, 30, 40 and advantage.
enum GamePoint : int { Love = 0, Fifteen, Thirty, Forty, Advantage };

// A set as it ended.
struct FinishedSet {
    Pair games{};
    bool tieBreak = false;  // decided by a tie-break
    Pair tieBreakPoints{};

    bool operator==(const FinishedSet&) const = default;
};

// How close the figure of the points still needed for the match is to the end.
enum class Closeness { Far, TwoPoints, MatchPoint };

// What the set-point and match-point analysis last found for one player.
struct Needs {
    int set = 0;                    // points still needed for the set
    int match = 0;                  // points still needed for the match
    bool setPoint = false;          // a set point that is not a match point
    bool matchPointMarker = false;  // the numbered match-point marker stands
    Closeness closeness = Closeness::Far;
    int setPointCount = 0;    // analyses at set point in this set
    int matchPointCount = 0;  // analyses at match point in this match
};

// The whole state of a match between two points: the score, who serves, and what the
// indicators of the scoreboard stand on.
struct Score {
    // Regular game: GamePoint values. Tie-break: the points of the tie-break.
    Pair points{};
    Pair games{};                           // of the set being played
    Pair sets{};                            // sets won
    std::array<FinishedSet, 5> finished{};  // the first `set` of them, at most five
    int set = 0;                            // sets finished, so the set being played from 0
    int server = 0;
    int setFirstServer = 0;  // who served the first game of the set
    bool inTieBreak = false;
    bool over = false;
    int gamesPlayed = 0;  // in the whole match

    // Per player: points won, break points held, breaks of serve made.
    Pair pointsWon{};
    Pair breakPoints{};
    Pair breaks{};

    // The game's indicators. A break point and deuce stand after a regular point only.
    int breakPointFor = -1;  // the receiver who holds a break point, or -1
    bool deuce = false;
    int breakPointNumber = 0;  // points at break point in this game
    int deuceNumber = 0;       // points at deuce in this game
    // The numbers that the break-point and deuce markers last showed since the start of the
    // match, 0 when they have not shown yet.
    int breakPointShown = 0;
    int deuceShown = 0;

    std::array<Needs, 2> needs{};
    // The player whom the analysis found with nothing left to win, or -1.
    int decidedFor = -1;
    // The numbers the set-point and match-point markers last showed since the start, 0 none.
    Pair setPointShown{};
    Pair matchPointShown{};
};

// What one point did to the match.
struct Happened {
    bool counted = false;  // false: the match was already over
    bool game = false;     // a game (a tie-break included) was won
    bool breakOfServe = false;
    bool set = false;
    bool match = false;
};

}  // namespace courtlog
