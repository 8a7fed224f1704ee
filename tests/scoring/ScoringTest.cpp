// The match engine: points into games, sets and the match, and the points each side needs.
#include <gtest/gtest.h>

#include "scoring/Scoring.h"
#include "support/MatchScript.h"

namespace courtlog {
namespace {

using testing::MatchScript;
using testing::scoreText;

// Plays points written as lettered() reads them; returns what the last point did.
Happened play(Score& s, const Rules& rules, std::string_view points) {
    Happened last;
    for (const testing::Marks& m : testing::lettered(points)) {
        last = scorePoint(s, rules, m.winner);
    }
    return last;
}

const Rules kFiveSets{5, true};
const Rules kThreeSets{3, true};
const Rules kTenAtSix{3, true, DecidingSet::TieBreak10};
const Rules kMatchTieBreak{3, true, DecidingSet::MatchTieBreak10};
const Rules kTwelve{3, true, DecidingSet::TieBreak7At12};
const Rules kNoAd{3, true, DecidingSet::Advantage, true};

// The score, the server, the break point or deuce standing with its number, and each
// player's break points held and breaks made.
std::string gameState(const Score& s) {
    std::string t = scoreText(s) + " " + (s.over ? '-' : "AB"[s.server]);
    if (s.breakPointFor >= 0) {
        t += std::string(" bp") + "AB"[s.breakPointFor] + "#" + std::to_string(s.breakPointNumber);
    }
    t += s.deuce ? " deuce#" + std::to_string(s.deuceNumber) : "";
    return t + " held " + std::to_string(s.breakPoints[0]) + "/" +
           std::to_string(s.breakPoints[1]) + " br " + std::to_string(s.breaks[0]) + "/" +
           std::to_string(s.breaks[1]);
}

// Points each player needs for the set and the match, "!" when the figure is flagged red
// and "?" yellow, then the set-point or match-point marker with its number; "W" and "L" once
// the match is decided.
std::string needs(const Score& s) {
    if (s.decidedFor >= 0) {
        return s.decidedFor == 0 ? "W | L" : "L | W";
    }
    std::string t;
    for (int p = 0; p < 2; ++p) {
        const Needs& n = s.needs[p];
        t += p ? " | " : "";
        t += std::to_string(n.set) + (n.setPoint ? "!" : "") + "/" + std::to_string(n.match) +
             (n.closeness == Closeness::MatchPoint  ? "!"
              : n.closeness == Closeness::TwoPoints ? "?"
                                                    : "");
        t += n.setPoint ? " SP#" + std::to_string(n.setPointCount) : "";
        t += n.matchPointMarker ? " MP#" + std::to_string(n.matchPointCount) : "";
    }
    return t;
}

// Each step, "points: expected", plays the points and reads the score, the needs unless told
// otherwise.
void playSteps(const Rules& rules, std::initializer_list<std::string> steps,
               std::string (*read)(const Score&) = needs) {
    Score s = startOfMatch(rules);
    for (const std::string& step : steps) {
        const std::size_t colon = step.find(": ");
        play(s, rules, step.substr(0, colon));
        EXPECT_EQ(read(s), step.substr(colon + 2)) << scoreText(s) << " after " << step;
    }
}

// Who serves after the points before, then after each point: A and B each side's first player,
// a and b its second in doubles. The side serving is always the singles rule's.
std::string servers(const Rules& rules, std::string_view before, std::string_view points) {
    Score s = startOfMatch(rules);
    play(s, rules, before);
    std::string seen;
    for (char c : " " + std::string(points)) {  // the blank plays nothing
        play(s, rules, {&c, 1});
        seen += "AaBb"[servingPlayer(s, rules)];
        EXPECT_EQ(sideOf(servingPlayer(s, rules)), s.server) << seen;
    }
    return seen;
}

// The same rules with sets to four games.
Rules shortened(Rules r) {
    r.shortSets = true;
    return r;
}

// A holds after two deuces, and the numbers start again; in B's service game the break points
// are A's, and B is then broken to love.
TEST(GameScoring, DeucesAdvantagesBreakPointsBreaksAndNewBalls) {
    playSteps(kFiveSets,
              {"B: 0-0 0-15 A held 0/0 br 0/0", "BB: 0-0 0-40 A bpB#1 held 0/1 br 0/0",
               "A: 0-0 15-40 A bpB#2 held 0/2 br 0/0", "AA: 0-0 40-40 A deuce#1 held 0/3 br 0/0",
               "B: 0-0 40-AD A bpB#4 held 0/4 br 0/0", "A: 0-0 40-40 A deuce#2 held 0/4 br 0/0",
               "A: 0-0 AD-40 A held 0/4 br 0/0", "A: 1-0 0-0 B held 0/4 br 0/0",
               "BAAA: 1-0 40-15 B bpA#1 held 1/4 br 0/0", "B: 1-0 40-30 B bpA#2 held 2/4 br 0/0",
               "A: 2-0 0-0 A held 2/4 br 1/0", "b: 2-1 0-0 B held 2/5 br 1/1"},
              gameState);
    // No-ad: at forty all the next point decides the game. It is the receiver's break point,
    // never deuce, whoever serves: B breaks, then holds on the deciding point.
    playSteps(kNoAd,
              {"AABB: 0-0 30-30 A held 0/0 br 0/0", "A: 0-0 40-30 A held 0/0 br 0/0",
               "B: 0-0 40-40 A bpB#1 held 0/1 br 0/0", "B: 0-1 0-0 B held 0/1 br 0/1",
               "ABBA BA: 0-1 40-40 B bpA#1 held 1/1 br 0/1", "B: 0-2 0-0 A held 1/1 br 0/1"},
              [](const Score& s) {
                  return gameState(s) + (s.deuceNumber + s.deuceShown ? " with a deuce" : "");
              });

    // New balls after the seventh game and every nine after. The count runs across sets: four
    // sets of 6-0, then two games of the fifth.
    Score s = startOfMatch(kFiveSets);
    const std::string winners = "aaaaaabbbbbbaaaaaabbbbbbab";
    std::string shown = newBalls(s) ? "0 " : "";
    for (std::size_t game = 0; game < winners.size(); ++game) {
        play(s, kFiveSets, winners.substr(game, 1));
        shown += newBalls(s) ? std::to_string(game + 1) + " " : "";
    }
    EXPECT_EQ(shown, "7 16 25 ");
}

TEST(Sets, TieBreakServesAndTheServerOfTheNextSetUnderEachRule) {
    // B breaks for 6-5, A breaks back: the tie-break starts with the game that makes it 6-6.
    // The first server of the set starts the tie-break, then two points each; the player who
    // received first in the set serves first in the next. Winning the tie-break is no break.
    EXPECT_EQ(servers(kFiveSets, "ababababab ba", "ABABABABABABAA"), "ABBAABBAABBAABB");
    Score s = startOfMatch(kFiveSets);
    const Happened last = play(s, kFiveSets, "ababababab ba ABABABABABABAA");
    EXPECT_EQ(gameState(s), "7-6(8-6) 0-0 0-0 B held 1/1 br 1/1");
    EXPECT_TRUE(last.game && last.set && !last.breakOfServe && !last.match);
    // The serve under each rule: the player chosen serves first, and every tie-break starts with
    // the player whose turn it is, one point, then two each.
    const Rules bFirst{3, true, DecidingSet::MatchTieBreak10, false, 1};
    // B serves the first game, then A.
    EXPECT_EQ(servers(bFirst, "", "AAAA"), "BBBBA");
    // 6-4 3-6, nineteen games: A, who received first, serves first in the match tie-break.
    EXPECT_EQ(servers(bFirst, MatchScript().set(6, 4).set(3, 6).points(), "ABABAB"), "ABBAABB");
    // Twelve all: the set's first server (B, after A served the first set's last game)
    // starts the tie-break.
    EXPECT_EQ(servers(kTwelve, MatchScript().set(6, 3).set(4, 6).set(12, 12).points(), "ABAB"),
              "BAABB");
}

// At 5-3 40-15 A has a set point, a second at 40-30, none at deuce, a third at advantage; the
// set won, the numbers start again. A match point at 5-3 40-0 is saved to deuce (two points
// then, no marker), B breaks back to 5-4, and A's fourth match point comes at 5-4 40-0.
TEST(PointsNeeded, SetPointsMatchPointsAndLongSetsUnderEachRule) {
    playSteps(kThreeSets,
              {": 24/48 | 24/48", "abababaa AABA: 1!/25 SP#1 | 16/40", "B: 1!/25 SP#2 | 15/39",
               "B: 2/26 | 14/38", "A: 1!/25 SP#3 | 15/39", "A: 24/24 | 24/48",
               "abababaa AAA: 1/1! MP#1 | 17/41", "BBB: 2/2? | 14/38", "BB: 4/4 | 12/36",
               "ba AAA: 1/1! MP#4 | 12/36", "A: W | L"});
    playSteps(kFiveSets, {": 24/72 | 24/72", "BBB: 25/73 | 21/69"});
    // In the deciding set's tie-break the first match point was at 6-5, the second at 7-6; at 7-7
    // play goes on past six points all. Without tie-breaks, every game held to 9-9 and then a
    // break: A needs this game and two more. When B wins the match, A's figures are worked out
    // first, then the end is shown.
    playSteps(Rules{3, true, DecidingSet::TieBreak7},
              {"aaaaaa bbbbbb abababababab ABABABABABAB: 2/2? | 2/2?", "A: 1/1! MP#2 | 3/3",
               "B: 2/2? | 2/2?"});
    playSteps(Rules{5, false}, {"ababababababababab b: 12/60 | 4/52"});
    playSteps(kThreeSets, {"bbbbbb bbbbb BBBA: 28/52 | 1/1! MP#2", "B: L | W"});
    // A no-ad game needs 4, 3, 2 or 1 whatever the other side has.
    playSteps(kNoAd, {"BBB: 24/48 | 21/45", "AAA: 21/45 | 21/45"});
    // A deciding match tie-break counts ten as a further set, and ten in itself (1 at 9-8); two
    // sets to love are still the shortest way at the start.
    playSteps(kMatchTieBreak, {": 24/48 | 24/48", "aaaaaa: 24/24 | 24/34", "bbbbbb: 10/10 | 10/10",
                               "ABABABABABABABABA: 1/1! MP#1 | 3/3", "B: 2/2? | 2/2?"});
    // Ten points at six all: 9-8 needs one, 9-9 two, 9-10 three.
    const std::string oneSetAll = MatchScript().set(6, 0).set(0, 6).set(6, 6).points();
    playSteps(kTenAtSix, {oneSetAll + ": 10/10 | 10/10", "ABABABABABABABABA: 1/1! MP#2 | 3/3",
                          "B: 2/2? | 2/2?", "B: 3/3 | 1/1! MP#1"});
    // Twelve all: four a game until then, the tie-break's seven at 11-12.
    playSteps(kTwelve, {oneSetAll + ": 8/8 | 8/8", "ababab ababa: 4/4 | 11/11", "b: 7/7 | 7/7"});
    // Short sets: four a game, four games a set, and the tie-break's seven at four all.
    playSteps(shortened(kThreeSets),
              {": 16/32 | 16/32", "aaaa: 16/16 | 16/32", "abababab: 7/7 | 7/23"});
}

// The formats of every time, each through a match whose set scores are known, then at its
// edges. Each row: the rules, the sets played, and the score they leave. Once the match is over
// its last point says so, and nothing after it counts.
TEST(Formats, MatchesEndAsTheirRulesSay) {
    using S = MatchScript;
    const Rules twelve{5, true, DecidingSet::TieBreak7At12};
    const std::tuple<Rules, MatchScript, const char*> cases[] = {
        // The deciding set of three is played out.
        {kThreeSets, S().set(4, 6).set(7, 5).set(12, 10), "4-6 7-5 12-10 over"},
        {Rules{3, true, DecidingSet::TieBreak7}, S().set(6, 4).set(3, 6).tieBreakSet(7, 9),
         "6-4 3-6 6-7(7-9) over"},
        // Without tie-breaks six games all goes on.
        {Rules{5, false}, S().set(6, 4).set(8, 6).set(5, 6), "6-4 8-6 5-6 0-0"},
        // Wimbledon 2019, the gentlemen's final: a tie-break at twelve games all.
        {twelve, S().tieBreakSet(7, 5).set(1, 6).tieBreakSet(7, 4).set(4, 6).tieBreakSet(7, 3, 12),
         "7-6(7-5) 1-6 7-6(7-4) 4-6 13-12(7-3) over"},
        // Wimbledon 2018, Anderson against Isner: the deciding set played out.
        {kFiveSets,
         S().tieBreakSet(8, 6).tieBreakSet(5, 7).tieBreakSet(9, 11).set(6, 4).set(26, 24),
         "7-6(8-6) 6-7(5-7) 6-7(9-11) 6-4 26-24 over"},
        // The deciding set goes on past eleven all, with no tie-break at six all on the way.
        {twelve, S().set(6, 4).set(4, 6).set(6, 4).set(4, 6).set(13, 11),
         "6-4 4-6 6-4 4-6 13-11 over"},
        // Ten points at six all: seven is not enough, nine all goes on.
        {kTenAtSix, S().set(6, 4).set(3, 6).tieBreakSet(7, 2), "6-4 3-6 6-6 7-2"},
        {kTenAtSix, S().set(6, 4).set(3, 6).tieBreakSet(12, 10), "6-4 3-6 7-6(12-10) over"},
        // The other sets keep their seven points.
        {kTenAtSix, S().tieBreakSet(7, 5).tieBreakSet(8, 10), "7-6(7-5) 6-7(8-10) 0-0 0-0"},
        // A match tie-break at one set all, shown as its set won 1-0.
        {kMatchTieBreak, S().set(6, 4).set(3, 6).tieBreak(10, 12), "6-4 3-6 0-1(10-12) over"},
        {kMatchTieBreak, S().set(6, 4).set(6, 3), "6-4 6-3 over"},
        // Short sets: four games, two clear, a tie-break at four all; without tie-breaks they
        // are played out, and the deciding set follows its own rule at four all.
        {shortened(kThreeSets), S().set(4, 2).tieBreakSet(5, 7, 4).set(6, 4),
         "4-2 4-5(5-7) 6-4 over"},
        {shortened({3, false}), S().set(3, 5).set(4, 4), "3-5 4-4 0-0"},
        {shortened(kTenAtSix), S().set(4, 1).set(2, 4).tieBreakSet(10, 8, 4),
         "4-1 2-4 5-4(10-8) over"},
        {shortened(kMatchTieBreak), S().set(4, 1).set(2, 4).tieBreak(10, 4),
         "4-1 2-4 1-0(10-4) over"},
    };
    for (const auto& [rules, script, expected] : cases) {
        Score s = startOfMatch(rules);
        const Happened last = play(s, rules, script.points());
        const Score end = s;
        // A point after the end is not counted; any other is.
        const bool counted = play(s, rules, "B").counted;
        EXPECT_EQ(std::tuple(scoreText(end), last.game && last.set && last.match, counted,
                             s.pointsWon == end.pointsWon),
                  std::tuple(std::string(expected), end.over, !end.over, end.over));
    }
    // Nobody serves a match that is over; the serve counters credit later points to B.
    Score s = startOfMatch(kThreeSets);
    play(s, kThreeSets, "aaaaaa aaaaaa");
    EXPECT_EQ(std::tuple(gameState(s), s.server), std::tuple("6-0 6-0 over - held 6/0 br 6/0", 1));
}

// The four serve in turn, a game each; a tie-break goes on with the turn, one point and then
// two each; the next set starts with the side the score gives, each side keeping its choice.
TEST(Doubles, EachSetServedInTurnThroughTieBreaksAndIntoTheNextSet) {
    using S = MatchScript;
    const auto doubles = [](std::vector<SetServing> order, int first = 0,
                            DecidingSet deciding = DecidingSet::Advantage) {
        return Rules{3, true, deciding, false, first, false, true, std::move(order)};
    };
    const std::string twelve = "abababababab";
    const std::tuple<Rules, std::string, std::string, std::string> cases[] = {
        {doubles({}), "", "aaaa", "ABabA"},
        {doubles({{1, 0}}), "", "aaaa", "aBAba"},
        {doubles({{0, 1}}, 1), "", "aaaa", "bABab"},
        // The tie-break at six all: the turn has come back to A1.
        {doubles({}), twelve, "ABABABAB", "ABBaabbAA"},
        {doubles({{1, 1}}), twelve, "ABAB", "abbAA"},
        // After the tie-break the side that received first serves first, with its own choice.
        {doubles({}), twelve + "AAAAAAA", "aaaa", "BAbaB"},
        {doubles({{1, 0}}), twelve + "AAAAAAA", "aaaa", "BabAB"},
        // After 6-4 the turn gives the next set to A; the second set's own choice.
        {doubles({{0, 0}, {1, 1}}), S().set(6, 4).points(), "aaaa", "abABa"},
        // A match tie-break is served as a tie-break from its first point.
        {doubles({}, 0, DecidingSet::MatchTieBreak10), S().set(6, 4).set(4, 6).points(), "ABABA",
         "ABBaab"},
    };
    for (const auto& [rules, before, points, expected] : cases) {
        EXPECT_EQ(servers(rules, before, points), expected) << before << " " << points;
    }
    // The four orders a set allows, each a turn the sides alternate in, and nothing else is one.
    for (int first = 0; first < 2; ++first) {
        for (const SetServing& serving : servingChoices(first)) {
            const auto turn = turnOf(serving, first);
            EXPECT_EQ(std::pair(sideOf(turn[0]), servingOfTurn(turn)),
                      std::pair(first, std::optional(serving)));
        }
    }
    for (const std::vector<int>& wrong : std::vector<std::vector<int>>{
             {0, 1, 2, 3}, {0, 2, 0, 3}, {0, 2, 1}, {0, 2, 1, 4}, {0, 2, -1, 3}, {0, 2, 3, 1}}) {
        EXPECT_FALSE(servingOfTurn(wrong)) << wrong[1];
    }
}

}  // namespace
}  // namespace courtlog
