#pragma once

#include <array>
#include <span>
#include <vector>

#include "history/Statistics.h"
#include "scoring/PointWord.h"
#include "scoring/Rules.h"
#include "scoring/Score.h"

namespace courtlog {

// The match at one position of its point list: the score, and the statistics counted point by
// point.
struct Position {
    Score score;
    std::array<PlayerStatistics, 2> counted{};
    // Each of the four players' serve, by kPlayers index.
    std::array<ServeStatistics, kPlayers> served{};

    // A player's whole statistics at this position.
    PlayerStatistics counts(int player) const { return countsOf(counted, score, player); }
};

// Before the first point.
Position startPosition(const Rules& rules);

// One recorded point: counted with the player who serves it, then scored. A point after the
// end of the match is counted (it was served) but changes no score.
Happened playPoint(Position& position, const Rules& rules, PointWord word);

// The position after the given points, from the start of the match.
Position replay(std::span<const PointWord> points, const Rules& rules);

// The sets the points begin: those played, and the one being played while the match goes on.
int setsBegun(std::span<const PointWord> points, const Rules& rules);

// The points with the marks of the serve kept with it under these rules: a point marked as an
// ace or a service winner goes to the server of its game, a double fault to the receiver.
std::vector<PointWord> serveMarksFollowingServer(std::span<const PointWord> points,
                                                 const Rules& rules);

// The partial score: points won by each player over the most lopsided recent stretch of the
// points played, the last one being the most recent. {0, 0} before the first point.
Pair partialScore(std::span<const PointWord> played);

}  // namespace courtlog
