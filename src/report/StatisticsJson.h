#pragma once

#include <QJsonArray>
#include <QJsonObject>

#include "history/Statistics.h"
#include "report/MatchSummary.h"

namespace courtlog::report {

// The statistics for programs: a `match` entry and a `sets` list, each one object per player
// in the order of the players, and the times of each stretch.
QJsonObject statisticsJson(const MatchStatistics& statistics);

// One player's figures, keyed as in `statisticsJson`.
QJsonObject playerStatisticsJson(const PlayerStatistics& figures);

// Every recorded point: where it was played from, who served and won it, and its marks in the
// point panel's words.
QJsonArray pointsJson(const MatchSummary& match);

}  // namespace courtlog::report
