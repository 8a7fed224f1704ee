// How many points each player still needs for the set and the match, with the set-point and
// match-point markers.
#include "scoring/Scoring.h"

namespace courtlog {

PointsToWin pointsNeeded(const Score& s, const Rules& rules, int i) {
    const int o = 1 - i;
    PointsToWin need;
    const int game = pointsToWinGame(s, i);
    if (s.inTieBreak) {
        need.set = game;
    } else {
        // Every game counts as four points, a tie-break as seven.
        const int g = s.games[i];
        const int h = s.games[o];
        if (h <= 4) {
            need.set = game + (5 - g) * 4;
        } else if (h == 5) {
            need.set = game + (6 - g) * 4;
        } else if (rules.tieBreakInSet(s.set)) {
            need.set = game + (5 - g) * 4 + 7;
        } else {
            need.set = game + ((h + 1) - g) * 4;
        }
    }
    // A further set takes at least 24 points: six games of four.
    need.match = need.set + (rules.setsInMatch / 2 - s.sets[i]) * 24;
    return need;
}

void analyse(Score& s, const Rules& rules) {
    s.decidedFor = -1;
    for (int i = 0; i < 2; ++i) {
        const int o = 1 - i;
        const PointsToWin need = pointsNeeded(s, rules, i);
        Needs& n = s.needs[i];
        n.set = need.set;
        n.match = need.match;
        n.setPoint = false;

        if (need.match == 0) {
            // Player i has won: nothing is left to play. The other player's markers stay as
            // the last analysis left them.
            s.decidedFor = i;
            n.matchPointMarker = false;
            n.closeness = Closeness::Far;
            s.needs[o].closeness = Closeness::Far;
            return;
        }
        if (need.match == 1) {
            n.closeness = Closeness::MatchPoint;
            s.matchPointShown[i] = ++n.matchPointCount;
            n.matchPointMarker = true;
        } else if (need.match == 2) {
            n.matchPointMarker = false;
            n.closeness = Closeness::TwoPoints;
        } else {
            if (need.set == 1) {
                s.setPointShown[i] = ++n.setPointCount;
                n.setPoint = true;
            }
            n.matchPointMarker = false;
            n.closeness = Closeness::Far;
        }
    }
}

}  // namespace courtlog
