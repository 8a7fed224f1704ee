// The statistics of a match, counted one point at a time.
#include "history/Statistics.h"

#include <algorithm>

#include "history/MatchRecord.h"
#include "history/Replay.h"
#include "scoring/Scoring.h"

namespace courtlog {

const std::array<FigureName<PlayerStatistics>, 16> kPlayerFigures{{
    {"pointsWon", &PlayerStatistics::pointsWon},
    {"servicePointsWon", &PlayerStatistics::servicePointsWon},
    {"servicePointsPlayed", &PlayerStatistics::servicePointsPlayed},
    {"returnPointsWon", &PlayerStatistics::returnPointsWon},
    {"returnPointsPlayed", &PlayerStatistics::returnPointsPlayed},
    {"aces", &PlayerStatistics::aces},
    {"doubleFaults", &PlayerStatistics::doubleFaults},
    {"serviceWinners", &PlayerStatistics::serviceWinners},
    {"firstServesIn", &PlayerStatistics::firstServesIn},
    {"firstServePointsWon", &PlayerStatistics::firstServePointsWon},
    {"secondServePointsWon", &PlayerStatistics::secondServePointsWon},
    {"breakPointsWon", &PlayerStatistics::breakPointsWon},
    {"breakPointsHad", &PlayerStatistics::breakPointsHad},
    {"breakPointsSaved", &PlayerStatistics::breakPointsSaved},
    {"breakPointsFaced", &PlayerStatistics::breakPointsFaced},
    {"longestRun", &PlayerStatistics::longestRun},
}};

const std::array<FigureName<ShotCounts>, 4> kShotFigures{{
    {"winners", &ShotCounts::winners},
    {"unforcedErrors", &ShotCounts::unforcedErrors},
    {"forcedErrors", &ShotCounts::forcedErrors},
    {"attemptedErrors", &ShotCounts::attemptedErrors},
}};

const std::array<FigureName<ServeStatistics>, 12> kServeFigures{{
    {"servicePointsPlayed", &ServeStatistics::servicePointsPlayed},
    {"servicePointsWon", &ServeStatistics::servicePointsWon},
    {"aces", &ServeStatistics::aces},
    {"doubleFaults", &ServeStatistics::doubleFaults},
    {"serviceWinners", &ServeStatistics::serviceWinners},
    {"firstServesIn", &ServeStatistics::firstServesIn},
    {"firstServePointsWon", &ServeStatistics::firstServePointsWon},
    {"secondServePointsWon", &ServeStatistics::secondServePointsWon},
    {"serviceGamesPlayed", &ServeStatistics::serviceGamesPlayed},
    {"serviceGamesHeld", &ServeStatistics::serviceGamesHeld},
    {"breakPointsFaced", &ServeStatistics::breakPointsFaced},
    {"breakPointsSaved", &ServeStatistics::breakPointsSaved},
}};

ServeStatistics& ServeStatistics::operator+=(const ServeStatistics& o) {
    for (const auto& f : kServeFigures) {
        this->*f.figure += o.*f.figure;
    }
    return *this;
}

ServeStatistics ServeStatistics::operator-(const ServeStatistics& earlier) const {
    ServeStatistics d = *this;
    for (const auto& f : kServeFigures) {
        d.*f.figure -= earlier.*f.figure;
    }
    return d;
}

namespace {

// Each shot figure of `to` combined with the same figure of `from`.
template <typename Op>
void eachShot(PlayerStatistics& to, const PlayerStatistics& from, Op op) {
    auto both = [&op](ShotCounts& a, const ShotCounts& b) {
        for (const auto& f : kShotFigures) {
            a.*f.figure = op(a.*f.figure, b.*f.figure);
        }
    };
    both(to.shots, from.shots);
    for (std::size_t k = 0; k < kStrokeKinds; ++k) {
        both(to.byStroke[k], from.byStroke[k]);
    }
    for (std::size_t k = 0; k < kShotKinds; ++k) {
        both(to.byShot[k], from.byShot[k]);
    }
}

template <typename Op>
void eachFigure(PlayerStatistics& to, const PlayerStatistics& from, Op op) {
    const int run = std::max(to.longestRun, from.longestRun);
    for (const auto& f : kPlayerFigures) {
        to.*f.figure = op(to.*f.figure, from.*f.figure);
    }
    to.longestRun = run;
    eachShot(to, from, op);
}

}  // namespace

PlayerStatistics& PlayerStatistics::operator+=(const PlayerStatistics& o) {
    eachFigure(*this, o, [](int a, int b) { return a + b; });
    return *this;
}

PlayerStatistics PlayerStatistics::operator-(const PlayerStatistics& earlier) const {
    PlayerStatistics d = *this;
    eachFigure(d, earlier, [](int a, int b) { return a - b; });
    d.longestRun = longestRun;
    return d;
}

void countPoint(std::array<PlayerStatistics, 2>& counted, PointWord word, int server) {
    const int w = EstraiInfo(word, Attr::Punto);
    const int l = 1 - w;
    const int s = server == 1 ? 1 : 0;
    const int r = 1 - s;
    const bool first = EstraiInfo(word, Attr::Servizio) == 0;
    const int outcome = EstraiInfo(word, Attr::AceDoppioFallo);

    ++counted[s].servicePointsPlayed;
    ++counted[r].returnPointsPlayed;
    if (first) {
        ++counted[s].firstServesIn;
    }
    if (w == s) {
        ++counted[s].servicePointsWon;
        ++(first ? counted[s].firstServePointsWon : counted[s].secondServePointsWon);
    } else {
        ++counted[r].returnPointsWon;
    }
    // The serve's outcomes go with the point's winner and loser, as the frames count them.
    if (outcome == 1) {
        ++counted[w].aces;
    } else if (outcome == 2) {
        ++counted[l].doubleFaults;
    } else if (outcome == 3) {
        ++counted[w].serviceWinners;
    }

    const int ending = EstraiInfo(word, Attr::ErroreVincente);
    if (ending < 1 || ending > 4) {
        return;
    }
    PlayerStatistics& by = counted[ending == 1 ? w : l];
    const auto figure = kShotFigures[static_cast<std::size_t>(ending - 1)].figure;
    ++(by.shots.*figure);
    const auto stroke = static_cast<std::size_t>(EstraiInfo(word, Attr::DirittoRovescio));
    if (stroke < kStrokeKinds) {
        ++(by.byStroke[stroke].*figure);
    }
    ++(by.byShot[static_cast<std::size_t>(EstraiInfo(word, Attr::Colpo))].*figure);
}

PlayerStatistics countsOf(const std::array<PlayerStatistics, 2>& counted, const Score& score,
                          int p) {
    const int o = 1 - p;
    PlayerStatistics c = counted[p];
    c.pointsWon = score.pointsWon[p];
    c.breakPointsWon = score.breaks[p];
    c.breakPointsHad = score.breakPoints[p];
    c.breakPointsFaced = score.breakPoints[o];
    c.breakPointsSaved = score.breakPoints[o] - score.breaks[o];
    return c;
}

void countServe(ServeStatistics& served, PointWord word, const Score& before, const Score& after,
                const Happened& happened) {
    const int s = before.server;
    const int r = 1 - s;
    const bool won = EstraiInfo(word, Attr::Punto) == s;
    const bool first = EstraiInfo(word, Attr::Servizio) == 0;
    const int outcome = EstraiInfo(word, Attr::AceDoppioFallo);
    ++served.servicePointsPlayed;
    if (first) {
        ++served.firstServesIn;
    }
    if (won) {
        ++served.servicePointsWon;
        ++(first ? served.firstServePointsWon : served.secondServePointsWon);
    }
    // Only the server's own aces and double faults are the server's.
    served.aces += outcome == 1 && won ? 1 : 0;
    served.doubleFaults += outcome == 2 && !won ? 1 : 0;
    served.serviceWinners += outcome == 3 && won ? 1 : 0;
    if (happened.game && !before.inTieBreak) {
        ++served.serviceGamesPlayed;
        served.serviceGamesHeld += won ? 1 : 0;
    }
    // A break point comes up within the game it is played in, so on the same player's serve.
    const int faced = after.breakPoints[r] - before.breakPoints[r];
    served.breakPointsFaced += faced;
    served.breakPointsSaved += faced - (happened.breakOfServe ? 1 : 0);
}

namespace {

// Longest runs and times, which are not sums of points.
struct StretchTally {
    std::array<int, 2> run{};
    std::optional<std::int64_t> firstTime;
    std::optional<std::int64_t> lastTime;
    std::vector<std::int64_t> gaps;

    void point(StretchStatistics& into, int winner, bool scored, std::int64_t time) {
        if (scored) {
            ++run[winner];
            run[1 - winner] = 0;
            int& longest = into.players[winner].longestRun;
            longest = std::max(longest, run[winner]);
        }
        if (time == kNoTime) {
            return;
        }
        if (lastTime && time > *lastTime) {
            gaps.push_back(time - *lastTime);
        }
        firstTime = firstTime.value_or(time);
        lastTime = time;
    }

    void finish(StretchStatistics& into) {
        if (firstTime && lastTime && firstTime != lastTime) {
            into.lengthMs = *lastTime - *firstTime;
        }
        if (!gaps.empty()) {
            const auto middle = gaps.begin() + static_cast<std::ptrdiff_t>(gaps.size() / 2);
            std::nth_element(gaps.begin(), middle, gaps.end());
            std::int64_t median = *middle;
            if (gaps.size() % 2 == 0) {
                // The mean of the two middle gaps, the lower one being the largest below.
                median = (median + *std::max_element(gaps.begin(), middle)) / 2;
            }
            into.medianGapMs = median;
        }
    }
};

}  // namespace

MatchStatistics statisticsOf(std::span<const PointWord> points, std::span<const std::int64_t> times,
                             const Rules& rules) {
    MatchStatistics m;
    StretchTally matchTally;
    std::vector<StretchTally> setTallies;
    // The counts at the start of each set, turned into the set's own when it ends.
    std::vector<std::array<PlayerStatistics, 2>> atStart;
    std::vector<std::array<ServeStatistics, 4>> servedAtStart;
    auto whole = [](const Position& at) {
        return std::array<PlayerStatistics, 2>{at.counts(0), at.counts(1)};
    };

    Position position = startPosition(rules);
    for (std::size_t k = 0; k < points.size(); ++k) {
        const int set = position.score.set;
        // After the end of the match a point belongs to the last set.
        if (!position.score.over && set >= static_cast<int>(m.sets.size())) {
            m.sets.emplace_back();
            m.sets.back().firstPoint = static_cast<int>(k);
            setTallies.emplace_back();
            atStart.push_back(whole(position));
            servedAtStart.push_back(position.served);
        }
        const Happened happened = playPoint(position, rules, points[k]);
        if (m.sets.empty()) {
            continue;  // not reached: a match is over only after a point of its own
        }
        const std::size_t in = m.sets.size() - 1;
        m.sets[in].endPoint = static_cast<int>(k) + 1;
        const int winner = EstraiInfo(points[k], Attr::Punto);
        const std::int64_t time = k < times.size() ? times[k] : kNoTime;
        setTallies[in].point(m.sets[in], winner, happened.counted, time);
        matchTally.point(m.match, winner, happened.counted, time);
        if (happened.set || k + 1 == points.size()) {
            // Also when more points follow the end of the match: they add to the last set.
            const auto now = whole(position);
            for (int p = 0; p < 2; ++p) {
                const int run = m.sets[in].players[p].longestRun;
                m.sets[in].players[p] = now[p] - atStart[in][p];
                m.sets[in].players[p].longestRun = run;
            }
            for (std::size_t p = 0; p < kPlayers; ++p) {
                m.sets[in].servers[p] = position.served[p] - servedAtStart[in][p];
            }
        }
    }
    const auto end = whole(position);
    for (int p = 0; p < 2; ++p) {
        const int run = m.match.players[p].longestRun;
        m.match.players[p] = end[p];
        m.match.players[p].longestRun = run;
    }
    m.match.servers = position.served;
    m.match.endPoint = static_cast<int>(points.size());
    matchTally.finish(m.match);
    for (std::size_t s = 0; s < m.sets.size(); ++s) {
        setTallies[s].finish(m.sets[s]);
    }
    return m;
}

int Figure::in(const PlayerStatistics& s) const {
    if (own != nullptr) {
        return s.*own;
    }
    if (shots == nullptr) {
        return 0;
    }
    switch (among) {
        case Among::Stroke:
            return kind < kStrokeKinds ? s.byStroke[kind].*shots : 0;
        case Among::Shot:
            return kind < kShotKinds ? s.byShot[kind].*shots : 0;
        case Among::All:
            break;
    }
    return s.shots.*shots;
}

bool Figure::countsPoints() const {
    if (served != nullptr) {
        return true;
    }
    return own != nullptr ? own != &PlayerStatistics::longestRun : shots != nullptr;
}

namespace {

// The break point standing at a position that the figure counts for the player: the count
// takes it in as soon as it stands, before anyone plays it.
int standingBreakPoint(const Position& at, const Rules& rules, int player, const Figure& figure) {
    const int holder = at.score.breakPointFor;
    if (holder < 0) {
        return 0;
    }
    if (figure.served != nullptr) {
        const bool against = figure.served == &ServeStatistics::breakPointsFaced ||
                             figure.served == &ServeStatistics::breakPointsSaved;
        return against && servingPlayer(at.score, rules) == player ? 1 : 0;
    }
    if (figure.own == &PlayerStatistics::breakPointsHad) {
        return holder == player ? 1 : 0;
    }
    if (figure.own == &PlayerStatistics::breakPointsFaced ||
        figure.own == &PlayerStatistics::breakPointsSaved) {
        return holder != player ? 1 : 0;
    }
    return 0;
}

}  // namespace

std::vector<int> pointsBehind(std::span<const PointWord> points, const Rules& rules,
                              const StretchStatistics& stretch, int player, const Figure& figure) {
    std::vector<int> behind;
    const int end = std::min(stretch.endPoint, static_cast<int>(points.size()));
    if (!figure.countsPoints() || stretch.firstPoint >= end) {
        return behind;
    }
    // A stretch's figure is the running count at its end less that at its start: the sum of
    // what each of its points adds. Each adds 0 or 1 once a break point counts when it is
    // played, not when it comes up (a saved one would otherwise come up and be taken back when
    // converted); the one standing at the end is added after.
    Position position = startPosition(rules);
    auto played = [&] {
        const int count =
            figure.served != nullptr
                ? figure.in(position.served[static_cast<std::size_t>(player) % kPlayers])
                : figure.in(position.counts(player));
        return count - standingBreakPoint(position, rules, player, figure);
    };
    int before = played();
    for (int k = 0; k < end; ++k) {
        playPoint(position, rules, points[static_cast<std::size_t>(k)]);
        const int after = played();
        if (k >= stretch.firstPoint && after > before) {
            behind.push_back(k);
        }
        before = after;
    }
    // None stands at the start of a set; one at its end came up on its last point.
    if (standingBreakPoint(position, rules, player, figure) != 0) {
        behind.push_back(end - 1);
    }
    return behind;
}

}  // namespace courtlog
