#pragma once

#include <QJsonArray>
#include <QJsonObject>

#include "history/Statistics.h"
#include "report/MatchSummary.h"

namespace courtlog::report {

// The statistics for programs: a `match` entry and a `sets` list, each one object per player
// in the order of the players, and the times of each stretch. In doubles also `players`: the
// serve of each of the four over the match, by kPlayers index.
QJsonObject statisticsJson(const MatchStatistics& statistics, bool doubles = false);

// One player's serve in a doubles match, by the figures' names.
QJsonObject serveJson(const ServeStatistics& figures);

// One player's figures, keyed as in `statisticsJson`.
QJsonObject playerStatisticsJson(const PlayerStatistics& figures);

// Every recorded point: where it was played from, who served and won it (in doubles, which of
// the four served it too), and its marks in the point panel's words.
QJsonArray pointsJson(const MatchSummary& match);

}  // namespace courtlog::report
