#pragma once

#include <string>
#include <vector>

#include "report/MatchSummary.h"
#include "report/PageWriter.h"

namespace courtlog {

// Opens a section of the page with its heading and, when given, a note under it; a section
// that starts a new printed page says so.
void openSection(PageWriter& page, std::string_view id, const std::string& heading,
                 const std::string& note = {}, bool newPage = false);

// "A – B".
std::string matchTitle(const MatchSummary& match);

// The score, set by set. Each set stays on one line: a score cut at its hyphen misreads.
void writeScore(PageWriter& page, const MatchSummary& match);

// Both players' statistics for the whole match.
void writeMatchStatistics(PageWriter& page, const MatchSummary& match);

// The same for each set, nothing when no set has begun.
void writeSetStatistics(PageWriter& page, const MatchSummary& match);

// Every figure and each player's winners and errors by stroke and shot, for the match and for
// each set.
void writeDetailedStatistics(PageWriter& page, const MatchSummary& match);

// Every recorded point with the position before it and its marks.
void writePointLog(PageWriter& page, const MatchSummary& match);

// Several matches, one row each.
void writeMatchList(PageWriter& page, const std::vector<MatchSummary>& matches);

// Several matches added up, one row per player.
void writePlayerTable(PageWriter& page, const std::vector<PlayerTotals>& totals);

// Every figure of several matches added up, one column per player, and each player's winners
// and errors; then the serve of each doubles player, when there are any.
void writeDetailedTotals(PageWriter& page, const std::vector<PlayerTotals>& totals,
                         const std::vector<ServeTotals>& serves = {});

}  // namespace courtlog
