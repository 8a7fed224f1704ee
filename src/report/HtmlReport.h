#pragma once

#include <string>
#include <vector>

#include "report/MatchSummary.h"

namespace courtlog {

// A self-contained page (no external files, scripts or fonts) about one match: tournament,
// round, players and score; both players' statistics for the match and for each set; the
// course of the match drawn as inline SVG; and the point log. Well-formed XHTML, so it can be
// read back as XML. Prints on A4. A match with a video shows it at the top, by its absolute
// URL, and a small inline script plays a point's clip from its row of the log; the video is
// not printed. In print the page leaves out the sections whose figures another one has: with
// `printed` it is written without them, for a reader that knows too little CSS to hide them.
std::string htmlReport(const MatchSummary& match, bool printed = false);

// A page with several matches added up by player.
std::string htmlTotals(const std::vector<PlayerTotals>& totals,
                       const std::vector<MatchSummary>& matches);

}  // namespace courtlog
