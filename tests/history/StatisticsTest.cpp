// The statistics model: figures worked out by hand, the sets adding up to the match, the
// times, and the window's frames reading the same figures at every position.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "form/Captions.h"
#include "support/Harness.h"
#include "support/MatchScript.h"

namespace courtlog {

// Failures list the figures by name rather than as bytes.
void PrintTo(const PlayerStatistics& s, std::ostream* os) {
    for (const auto& f : kPlayerFigures) {
        *os << f.key << "=" << s.*f.figure << " ";
    }
    auto shots = [os](const char* name, const ShotCounts& c) {
        *os << name << "(" << c.winners << "," << c.unforcedErrors << "," << c.forcedErrors << ","
            << c.attemptedErrors << ") ";
    };
    shots("shots", s.shots);
    for (std::size_t k = 0; k < kStrokeKinds; ++k) {
        shots(("stroke" + std::to_string(k)).c_str(), s.byStroke[k]);
    }
    for (std::size_t k = 0; k < kShotKinds; ++k) {
        shots(("shot" + std::to_string(k)).c_str(), s.byShot[k]);
    }
}

namespace {

struct Marks {
    int winner = 0;
    bool second = false;
    int stroke = 0;
    int shot = 0;
    int ending = 0;
    int outcome = 0;
};

PointWord word(const Marks& m) {
    PointWord w = 0;
    CreaInfo(w, Attr::Punto, m.winner);
    CreaInfo(w, Attr::Servizio, m.second ? 1 : 0);
    CreaInfo(w, Attr::DirittoRovescio, m.stroke);
    CreaInfo(w, Attr::Colpo, m.shot);
    CreaInfo(w, Attr::ErroreVincente, m.ending);
    CreaInfo(w, Attr::AceDoppioFallo, m.outcome);
    return w;
}

std::vector<PointWord> words(const std::string& letters) {
    std::vector<PointWord> out;
    for (char c : letters) {
        out.push_back(word({.winner = c == 'B' ? 1 : 0}));
    }
    return out;
}

Rules bestOfThree() {
    return rulesOf(3, {false, true, false});
}

TEST(StatisticsModel, TwoGamesWithEveryMarkAddUpAsWorkedOutByHand) {
    // A serves the first game and loses it after deuce; B serves the second and is broken.
    const std::vector<PointWord> points{
        word({.winner = 0, .outcome = 1}),                                         // ace
        word({.winner = 1, .second = true, .outcome = 2}),                         // double fault
        word({.winner = 0, .second = true, .stroke = 1, .shot = 1, .ending = 1}),  // winner
        word({.winner = 1, .stroke = 2, .shot = 4, .ending = 2}),  // A's unforced error
        word({.winner = 0, .shot = 5, .ending = 3}),               // B's forced error
        word({.winner = 1, .stroke = 1, .shot = 6, .ending = 4}),  // A's error on an attempt
        word({.winner = 0, .outcome = 3}),                         // service winner, AD-40
        word({.winner = 1}),
        word({.winner = 1}),  // break point B
        word({.winner = 1}),  // broken
        word({.winner = 0}),
        word({.winner = 0}),
        word({.winner = 0}),  // 0-40: one break point for A, taken at once
        word({.winner = 0}),  // broken back
    };
    const MatchStatistics m = statisticsOf(points, {}, bestOfThree());

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

    EXPECT_EQ(m.match.players[0], a);
    EXPECT_EQ(m.match.players[1], b);
    ASSERT_EQ(m.sets.size(), 1u);
    EXPECT_EQ(m.sets[0].players, m.match.players);
    EXPECT_EQ(std::tuple(m.sets[0].firstPoint, m.sets[0].endPoint, m.match.endPoint),
              std::tuple(0, 14, 14));
    EXPECT_FALSE(m.match.lengthMs || m.match.medianGapMs);
}

TEST(StatisticsModel, SetsAddUpToTheMatchAndPointsAfterTheEndJoinTheLastSet) {
    const std::string script =
        testing::MatchScript().set(6, 4).tieBreakSet(5, 7).set(7, 5).points() + "BBA";
    std::vector<PointWord> points = words(script);
    // Every mark somewhere, so that the sums cover each figure.
    for (std::size_t k = 0; k < points.size(); ++k) {
        CreaInfo(points[k], Attr::Servizio, static_cast<int>(k % 2));
        CreaInfo(points[k], Attr::DirittoRovescio, static_cast<int>(k % 3));
        CreaInfo(points[k], Attr::Colpo, static_cast<int>(k % 8));
        CreaInfo(points[k], Attr::ErroreVincente, static_cast<int>(k % 5));
        CreaInfo(points[k], Attr::AceDoppioFallo, static_cast<int>(k % 7 % 4));
    }
    const MatchStatistics m = statisticsOf(points, {}, bestOfThree());
    ASSERT_EQ(m.sets.size(), 3u);
    EXPECT_EQ(m.sets.back().endPoint, static_cast<int>(points.size()));
    for (int p = 0; p < 2; ++p) {
        PlayerStatistics sum;
        int covered = 0;
        for (const StretchStatistics& s : m.sets) {
            EXPECT_EQ(s.firstPoint, std::exchange(covered, s.endPoint));
            sum += s.players[static_cast<std::size_t>(p)];
        }
        EXPECT_EQ(sum, m.match.players[static_cast<std::size_t>(p)]) << "player " << p;
    }
    // The three points after the end are served and marked, not won.
    const MatchStatistics atEnd =
        statisticsOf(std::span(points).first(points.size() - 3), {}, bestOfThree());
    const PlayerStatistics& later = m.sets.back().players[0];
    const PlayerStatistics& before = atEnd.sets.back().players[0];
    EXPECT_EQ(later.pointsWon, before.pointsWon);
    EXPECT_EQ(later.servicePointsPlayed + m.sets.back().players[1].servicePointsPlayed,
              before.servicePointsPlayed + atEnd.sets.back().players[1].servicePointsPlayed + 3);
    // The runs of a set stay within it; the match's may cross sets.
    for (const StretchStatistics& s : m.sets) {
        EXPECT_LE(s.players[0].longestRun, m.match.players[0].longestRun);
    }
}

TEST(StatisticsModel, TimesSkipUntimedPointsAndCountOnlyForwardGaps) {
    const std::vector<PointWord> points = words(std::string(24, 'A') + "BB");
    std::vector<std::int64_t> times(points.size(), kNoTime);
    // The first set: gaps 10, 30, 0 (a repeat), 20 and -5 (a clock set back) seconds between
    // timed points; the median of the forward gaps 10, 30, 20 is 20.
    const std::int64_t s = 1000;
    times[0] = 100 * s;
    times[3] = 110 * s;
    times[7] = 140 * s;
    times[8] = 140 * s;
    times[20] = 160 * s;
    times[23] = 155 * s;
    // The second set: one gap of 40 seconds.
    times[24] = 200 * s;
    times[25] = 240 * s;
    const MatchStatistics m = statisticsOf(points, times, bestOfThree());
    ASSERT_EQ(m.sets.size(), 2u);
    EXPECT_EQ(m.sets[0].lengthMs, 55 * s);
    EXPECT_EQ(m.sets[0].medianGapMs, 20 * s);
    EXPECT_EQ(m.sets[1].lengthMs, 40 * s);
    EXPECT_EQ(m.sets[1].medianGapMs, 40 * s);
    // Across the whole match the gaps are 10, 30, 20, 45, 40: the median is 30.
    EXPECT_EQ(m.match.lengthMs, 140 * s);
    EXPECT_EQ(m.match.medianGapMs, 30 * s);
    // One more point makes gaps of 40 and 50 seconds, whose median is their mean.
    times.push_back(290 * s);
    std::vector<PointWord> more = points;
    more.push_back(words("A")[0]);
    EXPECT_EQ(statisticsOf(more, times, bestOfThree()).sets[1].medianGapMs, 45 * s);
}

TEST(StatisticsModel, FramesShowTheModelsFiguresAtEveryPositionOfEverySample) {
    for (const char* name : {"best-of-five-fifth-set.clg", "best-of-three-tiebreak.clg"}) {
        testing::Harness h;
        ASSERT_TRUE(h.form.loadMatch(std::string(COURTLOG_SAMPLES_DIR) + "/" + name)) << name;
        const std::span<const PointWord> all = h.form.points().recorded();
        for (int k = 0; k <= h.form.points().count(); ++k) {
            h.form.goTo(k);
            const MatchStatistics m =
                statisticsOf(all.first(static_cast<std::size_t>(k)), {}, h.form.rules());
            for (const StatisticsRow& row : kStatisticsRows) {
                for (int p = 0; p < 2; ++p) {
                    if (row.fromCounts != nullptr) {
                        ASSERT_EQ(shownValue(row, h.form, p),
                                  row.fromCounts(m.match.players[static_cast<std::size_t>(p)]))
                            << name << " at " << k << ", " << row.caption.text;
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace courtlog
