// How many points each player still needs for the set and the match, with the set-point and
// match-point markers.
#include "scoring/Scoring.h"

#include <algorithm>

namespace courtlog {

PointsToWin pointsNeeded(const Score& s, const Rules& rules, int i) {
    const int o = 1 - i;
    PointsToWin need;
    const int game = pointsToWinGame(s, rules, i);
    const SetFormat format = rules.formatOf(s.set);
    if (s.inTieBreak) {
        need.set = game;
    } else {
        // Every game counts as four points up to the games all of the tie-break, which counts
        // the points that win it.
        const int g = s.games[i];
        const int h = s.games[o];
        if (format.tieBreakAt > 0 && h >= format.tieBreakAt) {
            need.set = game + (format.tieBreakAt - 1 - g) * 4 + format.tieBreakTo;
        } else {
            need.set = game + (std::max(format.gamesToWin, h + 2) - 1 - g) * 4;
        }
    }
    // A further set takes at least its games at four points each, or the points of its match
    // tie-break. The winner of the match needs nothing.
    const int further = rules.setsToWin() - 1 - s.sets[i];
    need.match = further < 0 ? 0 : need.set;
    for (int k = 1; k <= further; ++k) {
        const SetFormat next = rules.formatOf(s.set + k);
        need.match += next.matchTieBreak ? next.tieBreakTo : next.gamesToWin * 4;
    }
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
