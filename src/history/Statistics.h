#pragma once

#include <array>
#include <string_view>

#include "scoring/PointWord.h"
#include "scoring/Score.h"

namespace courtlog {

// One player's counts, as the statistics frames keep them.
struct PlayerCounts {
    int won = 0;  // points won
    int aces = 0;
    int doubles = 0;  // double faults
    int winners = 0;
    int errors = 0;       // unforced errors
    int breaksMade = 0;   // breaks of serve converted
    int breakPoints = 0;  // break points held
    int served = 0;       // points served
    int firstIn = 0;      // points played on the first serve
    int firstWon = 0;     // first-serve points won
    int secondWon = 0;    // second-serve points won

    PlayerCounts& operator+=(const PlayerCounts& o);
    PlayerCounts operator-(const PlayerCounts& o) const;
};

// Every count with the name programs read it by.
struct CountName {
    std::string_view key;
    int PlayerCounts::*count;
};
extern const std::array<CountName, 11> kCountNames;

// Counts one point, served by `server`, into both players' counts: the serve, the aces and
// double faults, the winners and unforced errors. Points won and breaks are the score's.
void countPoint(std::array<PlayerCounts, 2>& counts, PointWord word, int server);

// A player's whole counts: those counted point by point, with points won and breaks from the
// score.
PlayerCounts countsOf(const std::array<PlayerCounts, 2>& counted, const Score& score, int player);

}  // namespace courtlog
