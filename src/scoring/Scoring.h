#pragma once

#include "scoring/Rules.h"
#include "scoring/Score.h"

namespace courtlog {

// A match before its first point, with the analysis of the points each side needs done.
Score startOfMatch(const Rules& rules);

// One point won by `winner` (0 or 1): the game or tie-break, the set and the match move on,
// the serve passes, the indicators follow, and the analysis runs again. A point after the end
// of the match changes nothing.
Happened scorePoint(Score& score, const Rules& rules, int winner);

// The fewest points a player must win, winning every one, to take the game or the tie-break
// being played.
int pointsToWinGame(const Score& score, const Rules& rules, int player);

// The fewest points a player must still win, winning every one, to take the set and the
// match: a game counts as four points and a tie-break, a match tie-break included, as the
// points that win it.
struct PointsToWin {
    int set = 0;
    int match = 0;
};
PointsToWin pointsNeeded(const Score& score, const Rules& rules, int player);

// Brings the set-point and match-point analysis of the score up to date. Every run at a set
// or match point counts one more such point.
void analyse(Score& score, const Rules& rules);

// The player serving the next point, 0 to 3 (see kPlayers): in singles the serving side's
// player; in doubles the set's turn, one game each, and in a tie-break one point and then two
// each, going on from the turn the tie-break comes to.
int servingPlayer(const Score& score, const Rules& rules);

// New balls come after the 7th game of the match and every 9 games after it; a tie-break
// counts as one game.
bool newBalls(const Score& score);

}  // namespace courtlog
