#pragma once

#include <array>
#include <string>
#include <vector>

#include "form/Captions.h"
#include "history/MatchRecord.h"
#include "history/Statistics.h"

namespace courtlog {

// One recorded point and the position it was played from.
struct PointRow {
    int number = 0;  // from 1
    int set = 0;     // from 1
    int gamesA = 0;  // games of the set before the point
    int gamesB = 0;
    std::string score;  // game score before the point, "15-30", or tie-break points "5-4"
    std::array<std::string, 2> gamePoints;  // the same for each player: "15", "AD", "5"
    bool tieBreak = false;                  // played in a tie-break
    int server = 0;
    int serverPlayer = 0;  // of the four of a doubles match; in singles the server's, 0 or 2
    int winner = 0;
    int servizio = 0;         // 0 first serve, 1 second serve
    int outcome = 0;          // 1 ace, 2 double fault, 3 service winner
    int dirittoRovescio = 0;  // option indexes of the point panel
    int colpo = 0;
    int erroreVincente = 0;
    bool scored = true;              // false for points after the end of the match
    bool endedGame = false;          // the point won a game (a tie-break included)
    bool brokeServe = false;         // ... and that game was a break of serve
    int diffAfter = 0;               // points won by A minus points won by B after this point
    std::int64_t ms = kNoTime;       // after the start of the match
    std::int64_t videoMs = kNoTime;  // the point's moment in the match's video
};

struct SetSummary {
    int number = 0;  // from 1
    int gamesA = 0;
    int gamesB = 0;
    bool tieBreak = false;  // decided by a tie-break
    int tieBreakA = 0;
    int tieBreakB = 0;
    bool finished = false;
    int winner = -1;
    int firstPoint = 0;                      // index of its first point
    int endPoint = 0;                        // index after its last point
    std::array<PlayerStatistics, 2> counts;  // with the points after the end of the match
};

// The whole match as the window's own replay sees it, point by point and set by set.
struct MatchSummary {
    std::array<std::string, 2> players;  // the sides' names: in doubles both players of each
    bool doubles = false;
    std::array<std::string, kPlayers> names;  // in doubles, the four players by kPlayers index
    std::string tournament;
    Text round;  // the round's text, empty when none
    int setsInMatch = 5;
    std::vector<PointRow> points;
    std::vector<SetSummary> sets;
    std::array<PlayerStatistics, 2> totals;
    MatchStatistics statistics;
    std::array<int, 2> setsWon{};
    bool matchOver = false;
    int winner = -1;
    std::string gameScore;  // the current game, or empty when the match is over
    // The match's video, its file absolute, since a report may be read anywhere; empty when
    // none.
    MatchRecord::VideoLink video;
};

// A player's name by an index a row, a file or a hand-made history holds: 1 is player B, and
// anything else reads as player A rather than running off the pair.
const std::string& player(const MatchSummary& match, int index);

// Over, with a winner.
bool decided(const MatchSummary& match);

// The points that count in the score: all but those recorded after the end of the match.
std::vector<const PointRow*> scoredPoints(const MatchSummary& match);

// One set's games from player A's side, with the tie-break points of a finished set decided
// by one: "6-4", "6-7(5-7)".
std::string setScore(const SetSummary& set);

// The sets played and, with the match in progress, the games of the set being played:
// {"6-4", "6-7(5-7)", "3-2"}.
std::vector<std::string> scoreParts(const MatchSummary& match);

// The same joined by blanks: "6-4 6-7(5-7) 3-2".
std::string scoreLine(const MatchSummary& match);

// Replays the whole match behind the window, with the window's own rules.
MatchSummary summarizeMatch(const MatchRecord& match);

// The words of a point's marks, "" where nothing was marked.
Text servizioText(int index);
Text outcomeText(int index);
Text dirittoRovescioText(int index);
Text colpoText(int index);
Text erroreVincenteText(int index);

// Several matches added up by player name: matches won and lost and every count.
struct PlayerTotals {
    std::string name;
    int matches = 0;
    int matchesWon = 0;
    int matchesLost = 0;
    PlayerStatistics counts;
};
std::vector<PlayerTotals> addUp(const std::vector<MatchSummary>& matches);

// The players of doubles matches added up by name, whoever they played with and on whichever
// side: the doubles matches each played and the serve of the points each served.
struct ServeTotals {
    std::string name;
    int matches = 0;
    ServeStatistics serve;
};
std::vector<ServeTotals> addUpServes(const std::vector<MatchSummary>& matches);

}  // namespace courtlog
