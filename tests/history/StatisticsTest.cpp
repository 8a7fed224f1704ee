// The statistics model: figures worked out by hand, the sets adding up to the match, the
// times, and the window's frames reading the same figures at every position.
#include <gtest/gtest.h>

#include <filesystem>

#include "form/Captions.h"
#include "support/Harness.h"
#include "support/MatchBuilder.h"

namespace courtlog {

// Failures list the figures by name; the shots' counts are compared but not printed.
void PrintTo(const PlayerStatistics& s, std::ostream* os) {
    for (const auto& f : kPlayerFigures) {
        *os << f.key << "=" << s.*f.figure << " ";
    }
}

namespace {

using testing::kBestOfThree;
using testing::word;

TEST(StatisticsModel, TwoGamesWithEveryMarkAddUpAsWorkedOutByHand) {
    // A serves the first game and loses it after deuce; B serves the second and is broken.
    std::vector<PointWord> points{
        word({.winner = 0, .outcome = 1}),                                      // ace
        word({.winner = 1, .second = 1, .outcome = 2}),                         // double fault
        word({.winner = 0, .second = 1, .stroke = 1, .shot = 1, .ending = 1}),  // winner
        word({.winner = 1, .stroke = 2, .shot = 4, .ending = 2}),  // A's unforced error
        word({.winner = 0, .shot = 5, .ending = 3}),               // B's forced error
        word({.winner = 1, .stroke = 1, .shot = 6, .ending = 4}),  // A's error on an attempt
        word({.winner = 0, .outcome = 3}),                         // service winner, AD-40
    };
    // Break point B, broken; 0-40, one break point for A, taken at once: broken back.
    std::ranges::transform(testing::lettered("BBBAAAA"), std::back_inserter(points), word);
    const MatchStatistics m = statisticsOf(points, {}, kBestOfThree);

    // clang-format off
    PlayerStatistics a{.pointsWon = 8, .servicePointsWon = 4, .servicePointsPlayed = 10,
                       .returnPointsWon = 4, .returnPointsPlayed = 4, .aces = 1, .doubleFaults = 1,
                       .serviceWinners = 1, .firstServesIn = 8, .firstServePointsWon = 3,
                       .secondServePointsWon = 1, .breakPointsWon = 1, .breakPointsHad = 1,
                       .breakPointsFaced = 1, .longestRun = 4};
    a.shots = {.winners = 1, .unforcedErrors = 1, .attemptedErrors = 1};
    a.byStroke[1] = {.winners = 1, .attemptedErrors = 1};
    a.byStroke[2] = a.byShot[4] = {.unforcedErrors = 1};
    a.byShot[1] = {.winners = 1};
    a.byShot[6] = {.attemptedErrors = 1};
    PlayerStatistics b{.pointsWon = 6, .servicePointsPlayed = 4, .returnPointsWon = 6,
                       .returnPointsPlayed = 10, .firstServesIn = 4, .breakPointsWon = 1,
                       .breakPointsHad = 1, .breakPointsFaced = 1, .longestRun = 3};
    // clang-format on
    b.shots = b.byStroke[0] = b.byShot[5] = {.forcedErrors = 1};

    EXPECT_EQ(m.match.players, (std::array{a, b}));
    // One set, which is the match: how sets add up is the next test's.
    EXPECT_EQ(std::tuple(m.sets.size(), m.match.endPoint), std::tuple(1u, 14));
    EXPECT_FALSE(m.match.lengthMs || m.match.medianGapMs);

    // A word marked as an ace but won by the receiver, as a file may hold, credits the winner.
    std::array<PlayerStatistics, 2> counts{};
    countPoint(counts, 0x0401, 0);
    EXPECT_EQ(std::tuple(counts[1].aces, counts[0].aces, counts[0].servicePointsPlayed),
              std::tuple(1, 0, 1));
}

TEST(StatisticsModel, SetsAddUpToTheMatchAndPointsAfterTheEndJoinTheLastSet) {
    const std::string script =
        testing::MatchScript().set(6, 4).tieBreakSet(5, 7).set(7, 5).points() + "BBA";
    // Every mark somewhere, so that the sums cover each figure.
    std::vector<PointWord> points;
    for (int k = 0; k < static_cast<int>(script.size()); ++k) {
        points.push_back(word({script[k] == 'B', k % 2, k % 3, k % 8, k % 5, k % 7 % 4}));
    }
    const MatchStatistics m = statisticsOf(points, {}, kBestOfThree);
    ASSERT_EQ(m.sets.size(), 3u);
    EXPECT_EQ(m.sets.back().endPoint, static_cast<int>(points.size()));
    std::array<PlayerStatistics, 2> sum{};
    int covered = 0;
    for (const StretchStatistics& s : m.sets) {
        EXPECT_EQ(s.firstPoint, std::exchange(covered, s.endPoint));
        sum[0] += s.players[0];
        sum[1] += s.players[1];
    }
    // The sum keeps the longer run, so no set's run is longer than the match's.
    EXPECT_EQ(sum, m.match.players);
    // The three points after the end are served and marked, not won.
    const MatchStatistics atEnd =
        statisticsOf(std::span(points).first(points.size() - 3), {}, kBestOfThree);
    const auto &later = m.sets.back().players, &before = atEnd.sets.back().players;
    EXPECT_EQ(
        std::pair(later[0].pointsWon, later[0].servicePointsPlayed + later[1].servicePointsPlayed),
        std::pair(before[0].pointsWon,
                  before[0].servicePointsPlayed + before[1].servicePointsPlayed + 3));
}

TEST(StatisticsModel, TimesSkipUntimedPointsAndCountOnlyForwardGaps) {
    std::vector<PointWord> points(27, word({}));  // A wins all but two in the second set
    points[24] = points[25] = word({.winner = 1});
    std::vector<std::int64_t> times(points.size(), kNoTime);
    // The first set: gaps 10, 30, 0 (a repeat), 20 and -5 (a clock set back) seconds between
    // timed points; the median of the forward gaps 10, 30, 20 is 20. The second set: one gap of
    // 40 seconds.
    const std::int64_t s = 1000;
    const std::pair<int, int> timed[] = {{0, 100},  {3, 110},  {7, 140},  {8, 140}, {20, 160},
                                         {23, 155}, {24, 200}, {25, 240}, {26, 290}};
    for (const auto& [k, seconds] : timed) {
        times[k] = seconds * s;
    }
    const MatchStatistics m =
        statisticsOf(std::span(points).first(26), std::span(times).first(26), kBestOfThree);
    ASSERT_EQ(m.sets.size(), 2u);
    // Across the whole match the gaps are 10, 30, 20, 45, 40: the median is 30.
    EXPECT_EQ((std::array{m.sets[0].lengthMs, m.sets[0].medianGapMs, m.sets[1].lengthMs,
                          m.sets[1].medianGapMs, m.match.lengthMs, m.match.medianGapMs}),
              (std::array<std::optional<std::int64_t>, 6>{55 * s, 20 * s, 40 * s, 40 * s, 140 * s,
                                                          30 * s}));
    // The last point, at 290 s, makes gaps of 40 and 50 seconds, whose median is their mean.
    EXPECT_EQ(statisticsOf(points, times, kBestOfThree).sets[1].medianGapMs, 45 * s);
    // One timed point has no length.
    EXPECT_FALSE(statisticsOf(std::span(points).first(3), std::span(times).first(3), kBestOfThree)
                     .match.lengthMs);
}

// The points behind a player's figure over the whole of the points, or over one of their sets.
std::vector<int> behind(std::span<const PointWord> points, int player, Figure f, int set = -1) {
    const MatchStatistics m = statisticsOf(points, {}, kBestOfThree);
    return pointsBehind(points, kBestOfThree, set < 0 ? m.match : m.sets[set], player, f);
}

TEST(PointsBehind, BreakPointsGoWithThePointPlayedAtThemAndShotsWithTheirStretch) {
    // Three break points saved from 0-40, then the game lost; one standing after 15-40 is named
    // by the point that saved the one before and brought it up.
    std::vector<PointWord> p;
    std::ranges::transform(testing::lettered("BBBAAABB"), std::back_inserter(p), word);
    EXPECT_EQ(
        (std::array{behind(p, 1, {.own = &PlayerStatistics::breakPointsHad}),
                    behind(p, 0, {.own = &PlayerStatistics::breakPointsSaved}),
                    behind(p, 1, {.own = &PlayerStatistics::breakPointsWon}),
                    behind(std::span(p).first(4), 1, {.own = &PlayerStatistics::breakPointsHad})}),
        (std::array<std::vector<int>, 4>{{{3, 4, 5, 7}, {3, 4, 5}, {7}, {3, 3}}}));
    // B's backhand unforced errors: one in the first set, two in the second, among a forehand
    // one of B's and a backhand one of A's.
    std::vector<PointWord> match(32, word({}));
    match[5] = match[26] = match[30] = word({.stroke = 2, .ending = 2});
    match[28] = word({.stroke = 1, .ending = 2});
    match[29] = word({.winner = 1, .stroke = 2, .ending = 2});
    const Figure errors{
        .shots = &ShotCounts::unforcedErrors, .among = Figure::Among::Stroke, .kind = 2};
    EXPECT_EQ(
        (std::array{behind(match, 1, errors, 1), behind(match, 1, errors), behind(match, 1, {})}),
        (std::array<std::vector<int>, 3>{{{26, 30}, {5, 26, 30}, {}}}));
}

// In every sample, the frames show the model's figures at every position, and every figure of
// both players in every stretch counts the points it lists, which lie in order in the stretch;
// the longest run lists none.
TEST(PointsBehind, AsManyAsEachFigureCountsAndTheFramesShowInEverySample) {
    std::vector<Figure> figures;
    for (const auto& f : kPlayerFigures) {
        figures.push_back({.own = f.figure});
    }
    // Every shot figure by every kind; strokes past the third count none.
    for (std::size_t k = 0; k < kShotKinds * kShotFigures.size(); ++k) {
        const auto shots = kShotFigures[k / kShotKinds].figure;
        for (auto among : {Figure::Among::All, Figure::Among::Stroke, Figure::Among::Shot}) {
            figures.push_back({.shots = shots, .among = among, .kind = k % kShotKinds});
        }
    }
    for (const auto& file : std::filesystem::recursive_directory_iterator(COURTLOG_SAMPLES_DIR)) {
        testing::Harness h;
        if (!file.is_regular_file() || !h.load(file.path().string())) {
            continue;
        }
        const auto points = h.session().points().recorded();
        for (int k = 0; k <= h.session().points().count(); ++k) {
            h.form.goTo(k);
            const MatchStatistics m =
                statisticsOf(points.first(static_cast<std::size_t>(k)), {}, h.session().rules());
            for (const StatisticsRow& row : kStatisticsRows) {
                for (int p = 0; p < 2 && row.fromCounts != nullptr; ++p) {
                    ASSERT_EQ(shownValue(row, h.labels(), p),
                              row.fromCounts(m.match.players[static_cast<std::size_t>(p)]))
                        << file.path() << " at " << k << ", " << row.caption.text;
                }
            }
        }
        MatchStatistics m = statisticsOf(points, {}, h.session().rules());
        m.sets.push_back(m.match);
        std::vector<int> counted, listed;
        for (const StretchStatistics& s : m.sets) {
            for (const Figure& f : figures) {
                for (int p : {0, 1}) {
                    const auto list = pointsBehind(points, h.session().rules(), s, p, f);
                    counted.push_back(f.countsPoints() ? f.in(s.players[p]) : 0);
                    const bool inOrder =
                        std::ranges::is_sorted(list) &&
                        (list.empty() || (list[0] >= s.firstPoint && list.back() < s.endPoint));
                    listed.push_back(inOrder ? static_cast<int>(list.size()) : -1);
                }
            }
        }
        EXPECT_EQ(listed, counted) << file.path();
    }
}
// A doubles set served A1, B1, A2, B2 and A1 again: each player's serve as worked out by hand,
// then the set's serving corrected, which gives the same games to other players.
TEST(StatisticsModel, EachDoublesPlayersServeAsWorkedOutByHandFollowsACorrectedOrder) {
    testing::MatchBuilder b({.setsInMatch = 3, .doubles = true});
    b.play("*!2ABAA  AAABA").point({.outcome = 3}).play("AAA  !!BBBB  *");
    const auto served = [&] { return b.session.statistics().match.servers; };
    // Played, won, aces, double faults, service winners, first serves in and won, second serves
    // won, service games played and held, break points faced and saved.
    const std::array<ServeStatistics, 4> byHand{{{7, 5, 2, 1, 0, 5, 4, 1, 1, 1, 0, 0},
                                                 {4, 4, 0, 0, 1, 4, 4, 0, 1, 1, 0, 0},
                                                 {5, 1, 0, 0, 0, 5, 1, 0, 1, 0, 2, 1},
                                                 {6, 4, 0, 2, 0, 4, 4, 0, 1, 1, 0, 0}}};
    EXPECT_EQ(served(), byHand);
    EXPECT_EQ(b.session.statistics().sets.at(0).servers, byHand);
    // The sides' own figures are as in singles: the aces of the side that won the point.
    EXPECT_EQ(std::tuple(b.session.statistics().match.players[0].aces,
                         b.session.statistics().match.players[1].doubleFaults),
              std::tuple(2, 2));
    // The points behind a player's figures: A1's aces, and B1's break points faced and saved,
    // each named by the point played at it.
    const auto behindOf = [&](int player, int ServeStatistics::*figure, std::size_t n = 22) {
        const auto points = b.session.points().recorded().first(n);
        return pointsBehind(points, b.session.rules(),
                            statisticsOf(points, {}, b.session.rules()).match, player,
                            {.served = figure});
    };
    // At 0-40 the break point standing is named by the point that brought it up, and only for
    // the break points.
    EXPECT_EQ((std::array{behindOf(0, &ServeStatistics::aces),
                          behindOf(2, &ServeStatistics::breakPointsFaced),
                          behindOf(2, &ServeStatistics::breakPointsSaved),
                          behindOf(2, &ServeStatistics::breakPointsFaced, 9),
                          behindOf(2, &ServeStatistics::servicePointsWon, 9)}),
              (std::array<std::vector<int>, 5>{{{0, 21}, {9, 10}, {9}, {8}, {}}}));

    // A2 and B2 served first: the games go to A2, B2, A1, B1 and A2; the score stays.
    const std::string score = b.board();
    b.session.chooseServing({1, 1});
    EXPECT_EQ(std::tuple(served(), b.session.servingPlayer(), b.board()),
              std::tuple(std::array{byHand[1], byHand[0], byHand[3], byHand[2]}, 1, score));
    EXPECT_EQ(b.session.nextUndo(), ChangeKind::Serving);
    b.session.undo();
    EXPECT_EQ(std::tuple(served(), b.session.servingPlayer()), std::tuple(byHand, 0));
}

}  // namespace
}  // namespace courtlog
