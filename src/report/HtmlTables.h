#pragma once

#include <string>
#include <vector>

#include "report/MatchSummary.h"
#include "report/PageWriter.h"

namespace courtlog {

// Opens a section of the page with its heading and, when given, a note under it. A section
// whose figures the printed page has elsewhere is shown on screen only.
void openSection(PageWriter& page, std::string_view id, const std::string& heading,
                 const std::string& note = {}, bool screenOnly = false);

// "A – B".
std::string matchTitle(const MatchSummary& match);

// The score, set by set. Each set stays on one line: a score cut at its hyphen misreads.
void writeScore(PageWriter& page, const MatchSummary& match);

// Both players' statistics for the whole match, on screen only: the detailed statistics print
// them.
void writeMatchStatistics(PageWriter& page, const MatchSummary& match);

// The same for each set, nothing when no set has begun; printed only when there is more than
// one set, since the figures of the only set are the match's.
void writeSetStatistics(PageWriter& page, const MatchSummary& match);

// Every figure and each player's winners and errors by stroke and shot, for the match and, on
// screen or unless `matchOnly`, for each set.
void writeDetailedStatistics(PageWriter& page, const MatchSummary& match, bool matchOnly = false);

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
