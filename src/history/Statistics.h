#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "scoring/PointWord.h"
#include "scoring/Score.h"

namespace courtlog {

// Winners and errors of one kind. A winner counts for the player who won the point, an error
// for the player who lost it.
struct ShotCounts {
    int winners = 0;
    int unforcedErrors = 0;
    int forcedErrors = 0;
    int attemptedErrors = 0;

    bool operator==(const ShotCounts&) const = default;
};

// How the point panel splits a stroke (none, forehand, backhand) and a shot (none and seven).
inline constexpr std::size_t kStrokeKinds = 3;
inline constexpr std::size_t kShotKinds = 8;

// One player's statistics over a stretch of the match: a set or the whole of it.
struct PlayerStatistics {
    int pointsWon = 0;
    int servicePointsWon = 0;
    int servicePointsPlayed = 0;
    int returnPointsWon = 0;
    int returnPointsPlayed = 0;
    int aces = 0;  // credited to the winner of the point, as the frames count them
    int doubleFaults = 0;
    int serviceWinners = 0;
    int firstServesIn = 0;  // points played on the first serve
    int firstServePointsWon = 0;
    int secondServePointsWon = 0;
    int breakPointsWon = 0;  // breaks of serve made
    int breakPointsHad = 0;
    int breakPointsSaved = 0;
    int breakPointsFaced = 0;
    ShotCounts shots;
    std::array<ShotCounts, kStrokeKinds> byStroke{};  // by the panel's DirittoRovescio index
    std::array<ShotCounts, kShotKinds> byShot{};      // by the panel's Colpo index
    int longestRun = 0;                               // points won in a row

    bool operator==(const PlayerStatistics&) const = default;
    // Adds a stretch after this one; the longest run is the longer of the two.
    PlayerStatistics& operator+=(const PlayerStatistics& o);
    // What was counted after `earlier`, which came first. The longest run is not a sum and is
    // left as it is.
    PlayerStatistics operator-(const PlayerStatistics& earlier) const;
};

// The serve of one player of a doubles match: what the points that player served came to. A
// service game is a regular game, not a tie-break.
struct ServeStatistics {
    int servicePointsPlayed = 0;
    int servicePointsWon = 0;
    int aces = 0;
    int doubleFaults = 0;
    int serviceWinners = 0;
    int firstServesIn = 0;
    int firstServePointsWon = 0;
    int secondServePointsWon = 0;
    int serviceGamesPlayed = 0;
    int serviceGamesHeld = 0;
    int breakPointsFaced = 0;  // counted when it comes up, as the sides' are
    int breakPointsSaved = 0;

    bool operator==(const ServeStatistics&) const = default;
    ServeStatistics& operator+=(const ServeStatistics& o);
    ServeStatistics operator-(const ServeStatistics& earlier) const;
};

// Every whole-number figure with the name programs read it by, in the order they list them.
template <typename Of>
struct FigureName {
    std::string_view key;
    int Of::*figure;
};
extern const std::array<FigureName<PlayerStatistics>, 16> kPlayerFigures;
extern const std::array<FigureName<ShotCounts>, 4> kShotFigures;
extern const std::array<FigureName<ServeStatistics>, 12> kServeFigures;

// Counts one point's marks, served by `server`, into both players' statistics: the serve and
// its outcome, the points on serve and on return, the winners and errors. What the score
// keeps (points won, break points) is left to `countsOf`.
void countPoint(std::array<PlayerStatistics, 2>& counted, PointWord word, int server);

// A player's statistics: those counted point by point, with points won and the break points
// from the score.
PlayerStatistics countsOf(const std::array<PlayerStatistics, 2>& counted, const Score& score,
                          int player);

// Counts one point into the serve of the player who served it: `before` and `after` are the
// score around the point, `happened` what it did.
void countServe(ServeStatistics& served, PointWord word, const Score& before, const Score& after,
                const Happened& happened);

// The figures of a stretch of the match: a set or the whole of it.
struct StretchStatistics {
    int firstPoint = 0;  // index of its first point
    int endPoint = 0;    // index after its last point
    std::array<PlayerStatistics, 2> players{};
    // Each of the four players' serve, by kPlayers index; in singles the sides' are 0 and 2.
    std::array<ServeStatistics, 4> servers{};
    // From its first timed point to its last, and the median of the positive gaps between
    // consecutive timed points; none without two timed points.
    std::optional<std::int64_t> lengthMs;
    std::optional<std::int64_t> medianGapMs;
};

struct MatchStatistics {
    StretchStatistics match;
    std::vector<StretchStatistics> sets;  // each set with at least one point, in order
};

// The statistics of the points given, from the start of the match: the whole match and each
// set. Points recorded after the end of the match are counted as the frames count them, in the
// last set. `times` is either empty or holds each point's milliseconds, kNoTime for none.
MatchStatistics statisticsOf(std::span<const PointWord> points, std::span<const std::int64_t> times,
                             const Rules& rules);

// Names one whole-number figure of a player: one of PlayerStatistics' own, or a count of
// winners or errors in all, of one stroke or of one shot (by the panel's index).
struct Figure {
    enum class Among { All, Stroke, Shot };

    // A figure of one of the four players' serve, instead of a side's.
    int ServeStatistics::*served = nullptr;
    int PlayerStatistics::*own = nullptr;
    int ShotCounts::*shots = nullptr;
    Among among = Among::All;
    std::size_t kind = 0;

    // The figure's value in these statistics.
    int in(const PlayerStatistics& statistics) const;
    int in(const ServeStatistics& statistics) const { return served ? statistics.*served : 0; }
    // Every figure is a number of points but the longest run.
    bool countsPoints() const;
    bool operator==(const Figure&) const = default;
};

// The points that make a player's figure over a stretch of `points`, by their indices, in
// order: as many as the figure counts over that stretch. `player` is a side, or for a serve
// figure one of the four players. A break point is named by the point
// played at it; one still standing after the last point, not yet played, by that point, which
// can then be named twice. The longest run names none.
std::vector<int> pointsBehind(std::span<const PointWord> points, const Rules& rules,
                              const StretchStatistics& stretch, int player, const Figure& figure);

}  // namespace courtlog
