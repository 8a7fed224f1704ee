// The statistics frames, counted one point at a time.
#include "history/Statistics.h"

namespace courtlog {

const std::array<CountName, 11> kCountNames{{
    {"pointsWon", &PlayerCounts::won},
    {"aces", &PlayerCounts::aces},
    {"doubleFaults", &PlayerCounts::doubles},
    {"winners", &PlayerCounts::winners},
    {"unforcedErrors", &PlayerCounts::errors},
    {"breaksMade", &PlayerCounts::breaksMade},
    {"breakPoints", &PlayerCounts::breakPoints},
    {"servedPoints", &PlayerCounts::served},
    {"firstServesIn", &PlayerCounts::firstIn},
    {"firstServePointsWon", &PlayerCounts::firstWon},
    {"secondServePointsWon", &PlayerCounts::secondWon},
}};

PlayerCounts& PlayerCounts::operator+=(const PlayerCounts& o) {
    for (const CountName& c : kCountNames) {
        this->*c.count += o.*c.count;
    }
    return *this;
}

PlayerCounts PlayerCounts::operator-(const PlayerCounts& o) const {
    PlayerCounts d = *this;
    for (const CountName& c : kCountNames) {
        d.*c.count -= o.*c.count;
    }
    return d;
}

void countPoint(std::array<PlayerCounts, 2>& counts, PointWord word, int server) {
    const int w = EstraiInfo(word, Attr::Punto);
    const int l = 1 - w;
    const int s = server;
    const int servizio = EstraiInfo(word, Attr::Servizio);
    const int outcome = EstraiInfo(word, Attr::AceDoppioFallo);
    const int shot = EstraiInfo(word, Attr::ErroreVincente);

    if (w == s) {
        ++(servizio == 0 ? counts[w].firstWon : counts[w].secondWon);
    }
    if (outcome == 1) {
        ++counts[w].aces;  // credited to the winner of the point, whoever served
    }
    if (outcome == 2) {
        ++counts[l].doubles;
    }
    if (servizio == 0) {
        ++counts[s].firstIn;
    }
    if (shot == 1) {
        ++counts[w].winners;
    }
    if (shot == 2) {
        ++counts[l].errors;
    }
    ++counts[s].served;
}

PlayerCounts countsOf(const std::array<PlayerCounts, 2>& counted, const Score& score, int p) {
    PlayerCounts c = counted[p];
    c.won = score.pointsWon[p];
    c.breaksMade = score.breaks[p];
    c.breakPoints = score.breakPoints[p];
    return c;
}

}  // namespace courtlog
