#pragma once

#include <string>

#include "report/MatchSummary.h"

namespace courtlog {

// The point log as CSV: a header row, then one row per recorded point with the position it was
// played from and how it was played, then its time and its moment in the video when the log
// has any. UTF-8, comma-separated, CRLF line ends, quoted where a value needs it.
std::string pointLogCsv(const MatchSummary& match);

}  // namespace courtlog
