#pragma once

#include <QJsonObject>
#include <string>
#include <string_view>
#include <vector>

#include "history/MatchSession.h"
#include "report/MatchSummary.h"

namespace courtlog::report {

// What the window shows at the session's position, as text for a terminal: tournament and
// round, the scoreboard, the indicators on show and both statistics frames side by side, then
// the detailed statistics. UTF-8, one line per row.
std::string renderText(const MatchSession& session);

// The same for programs: the match settings, every label of the window by its display name
// with caption, visibility and colours, the statistics, every recorded point with its moment in
// the video, and the video itself when the match has one.
QJsonObject renderJson(const MatchSession& session);

// Several matches added up by player, as text: the matches, then one column per player.
std::string renderTotalsText(const std::vector<PlayerTotals>& totals,
                             const std::vector<MatchSummary>& matches);

// The same for programs.
QJsonObject renderTotalsJson(const std::vector<PlayerTotals>& totals,
                             const std::vector<MatchSummary>& matches);

// The text with every control character replaced by "?", so that nothing in a name can act on
// a terminal or break a line of a table; line breaks are kept only when asked, for a whole
// output.
std::string printable(std::string text, bool keepLineBreaks = false);

// Columns a UTF-8 text takes in a terminal. Captions come from match files in Windows-1252,
// whose characters all take one column each.
int displayWidth(std::string_view utf8);

// Rows of cells in columns as wide as their widest cell, left-aligned and two blanks apart,
// without trailing blanks.
std::string formatTable(const std::vector<std::vector<std::string>>& rows);

}  // namespace courtlog::report
