#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "history/Statistics.h"
#include "platform/Text.h"

namespace courtlog {

// A table of figures as every view of the detailed statistics lays it out: the window, the
// text and HTML reports and the printed page.
struct FigureTable {
    Text caption;
    std::vector<Text> headers;            // the first names the rows' own column
    std::vector<std::vector<Text>> rows;  // each as long as headers
    // What each cell counts, the first number of "won/played", by row and by column as `rows`
    // without their captions. A stretch's figure table has a player in each column, a shot
    // table one player, `player`.
    std::vector<std::vector<Figure>> counted;
    int player = -1;
    // The columns are the four players of a doubles match, by kPlayers index, each counting
    // the points that player served.
    bool servers = false;
};

// The detailed statistics of one stretch of the match, the whole match or a set.
struct StretchTables {
    Text title;                       // "Partita", "Set 2"
    std::vector<Text> times;          // the length and the median gap, when the points are timed
    std::vector<FigureTable> tables;  // the figures, then the shots of each player
};

// "n/d (p%)", or "n/d" with nothing to divide.
Text shareText(int n, int d);

// A length of time as "h:mm:ss", or "m:ss" under an hour.
std::string clockText(std::int64_t ms);

// The figures of any number of players, one column each in the order given: both players of a
// stretch, or every player of several matches added up.
FigureTable figureTable(std::span<const PlayerStatistics> statistics,
                        std::span<const Text> players);

// The serve of each of the four players of a doubles match, one column each by kPlayers index.
FigureTable serveTable(std::span<const ServeStatistics> statistics, std::span<const Text> players);

// One player's winners and errors by stroke and by shot, and in all.
FigureTable shotTable(const PlayerStatistics& statistics, const Text& player);

// The tables of a stretch, with the sides' names as they should be shown; in doubles, given the
// four players' names, the serve of each comes after the sides' figures.
StretchTables stretchTables(Text title, const StretchStatistics& stretch,
                            const std::array<Text, 2>& players,
                            const std::array<Text, kPlayers>* doubles = nullptr);

// The match, then each set.
std::vector<StretchTables> detailedTables(const MatchStatistics& statistics,
                                          const std::array<Text, 2>& players,
                                          const std::array<Text, kPlayers>* doubles = nullptr);

}  // namespace courtlog
