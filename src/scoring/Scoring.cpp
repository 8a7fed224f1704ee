// Points into games, games into sets, sets into the match.
#include "scoring/Scoring.h"

namespace courtlog {

namespace {

void changeServer(Score& s) {
    s.server = 1 - s.server;
}

// The set ends for w. The player who serves the next game serves first in the next set.
void setWon(Score& s, const Rules& rules, int w, int nextServer, const Pair& tieBreakPoints,
            Happened& happened) {
    s.needs[0].setPointCount = 0;
    s.needs[1].setPointCount = 0;
    if (s.set >= 0 && s.set < static_cast<int>(s.finished.size())) {
        FinishedSet& row = s.finished[static_cast<std::size_t>(s.set)];
        row.games = s.games;
        row.tieBreak = s.inTieBreak;
        row.tieBreakPoints = s.inTieBreak ? tieBreakPoints : Pair{};
    }
    s.games = {0, 0};
    ++s.sets[w];
    happened.set = true;
    if (s.sets[w] >= rules.setsToWin()) {
        s.over = true;
        happened.match = true;
        // Nobody serves any more; the counters behind the serve statistics credit any later
        // point to player B.
        nextServer = 1;
    }
    s.inTieBreak = false;
    s.server = s.setFirstServer = nextServer;
    ++s.set;
    if (!s.over && rules.formatOf(s.set).matchTieBreak) {
        // The deciding set is one tie-break, from its first point.
        s.inTieBreak = true;
    }
}

void gameWon(Score& s, const Rules& rules, int w, Happened& happened) {
    const int l = 1 - w;
    const Pair tieBreakPoints = s.points;
    s.points = {0, 0};
    s.breakPointNumber = 0;
    s.deuceNumber = 0;
    changeServer(s);
    ++s.games[w];
    ++s.gamesPlayed;
    happened.game = true;
    // The break point that stood before this game's last point.
    if (s.breakPointFor == w) {
        ++s.breaks[w];
        happened.breakOfServe = true;
    }

    const SetFormat format = rules.formatOf(s.set);
    const int level = format.tieBreakAt;
    if (!s.inTieBreak && level > 0 && s.games[0] == level && s.games[1] == level) {
        // An even number of games played: the player who served first in the set serves
        // first now.
        s.inTieBreak = true;
    } else if (s.inTieBreak) {
        // After a tie-break the player who received first in the set serves first next.
        setWon(s, rules, w, 1 - s.setFirstServer, tieBreakPoints, happened);
    } else if (s.games[w] >= format.gamesToWin && s.games[w] - s.games[l] >= 2) {
        setWon(s, rules, w, s.server, {}, happened);
    }
}

void gameStep(Score& s, const Rules& rules, int w, Happened& happened) {
    const int l = 1 - w;
    int& mine = s.points[w];
    int& theirs = s.points[l];
    if (mine < Forty) {
        ++mine;
    } else if (mine == Forty && theirs == Forty && !rules.noAd) {
        mine = Advantage;
    } else if (mine == Forty && theirs == Advantage) {
        theirs = Forty;  // deuce again
    } else {
        gameWon(s, rules, w, happened);
    }
}

void updateBreakPoint(Score& s, const Rules& rules) {
    s.breakPointFor = -1;
    if (s.over) {
        return;
    }
    const int r = 1 - s.server;
    const int server = s.points[s.server];
    const int receiver = s.points[r];
    // Without advantage the point at 40-40 decides the game: the receiver's break point.
    if ((server < Forty && receiver == Forty) || (server == Forty && receiver == Advantage) ||
        (rules.noAd && server == Forty && receiver == Forty)) {
        s.breakPointFor = r;
        ++s.breakPoints[r];
        s.breakPointShown = ++s.breakPointNumber;
    }
}

void updateDeuce(Score& s, const Rules& rules) {
    s.deuce = !rules.noAd && s.points[0] == Forty && s.points[1] == Forty;
    if (s.deuce) {
        s.deuceShown = ++s.deuceNumber;
    }
}

void tieBreakPoint(Score& s, const Rules& rules, int w, Happened& happened) {
    const int mine = ++s.points[w];
    // The first server serves one point, then each player serves two in turn.
    if ((s.points[0] + s.points[1]) % 2 == 1) {
        changeServer(s);
    }
    if (mine >= rules.formatOf(s.set).tieBreakTo && mine - s.points[1 - w] >= 2) {
        gameWon(s, rules, w, happened);
    }
}

}  // namespace

Score startOfMatch(const Rules& rules) {
    Score s;
    s.server = s.setFirstServer = rules.firstServer == 1 ? 1 : 0;
    analyse(s, rules);
    return s;
}

Happened scorePoint(Score& s, const Rules& rules, int winner) {
    Happened happened;
    if (s.over) {
        return happened;
    }
    const int w = winner == 0 ? 0 : 1;
    happened.counted = true;
    ++s.pointsWon[w];
    if (s.inTieBreak) {
        tieBreakPoint(s, rules, w, happened);
    } else {
        // The indicators of a regular point, also when it started a tie-break.
        gameStep(s, rules, w, happened);
        updateBreakPoint(s, rules);
        updateDeuce(s, rules);
    }
    analyse(s, rules);
    return happened;
}

int pointsToWinGame(const Score& s, const Rules& rules, int i) {
    const int m = s.points[i];
    const int n = s.points[1 - i];
    if (s.inTieBreak) {
        const int to = rules.formatOf(s.set).tieBreakTo;
        return n < to - 1 ? to - m : n - m + 2;
    }
    if (rules.noAd) {
        return Forty + 1 - m;
    }
    switch (m) {
        case Love:
            return n == Forty ? 5 : 4;
        case Fifteen:
            return n == Forty ? 4 : 3;
        case Thirty:
            return n == Forty ? 3 : 2;
        case Forty:
            return n == Forty ? 2 : (n == Advantage ? 3 : 1);
        default:
            return 1;
    }
}

int servingPlayer(const Score& s, const Rules& rules) {
    if (!rules.doubles) {
        return 2 * s.server;
    }
    int turn = s.games[0] + s.games[1];
    if (s.inTieBreak) {
        turn += (s.points[0] + s.points[1] + 1) / 2;
    }
    return turnOf(rules.servingIn(s.set), s.setFirstServer)[static_cast<std::size_t>(turn % 4)];
}

bool newBalls(const Score& s) {
    return s.gamesPlayed == 7 || (s.gamesPlayed > 7 && (s.gamesPlayed - 7) % 9 == 0);
}

}  // namespace courtlog
