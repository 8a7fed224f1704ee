#pragma once

#include <sstream>
#include <string>

#include "form/MainForm.h"

namespace courtlog::testing {

// Every label of the window and every piece of match state, as one comparable text with a
// line for each, so a mismatch names what differs. A hidden label's caption is not shown to
// anyone and keeps whatever it last held, so it is left out.
inline std::string snapshot(const MainForm& f) {
    std::ostringstream s;
    for (const NamedField& nf : f.fields()) {
        s << nf.displayName() << " '" << (nf.field->visible() ? nf.field->caption() : "") << "' "
          << (nf.field->visible() ? "shown" : "hidden") << " " << colourToHex(nf.field->fore())
          << " " << colourToHex(nf.field->back()) << "\n";
    }
    s << "Server " << f.Server << " SetFirstServer " << f.SetFirstServer << " CurrentSet "
      << f.CurrentSet << " SetsInMatch " << f.SetsInMatch << " InTieBreak " << f.InTieBreak
      << " MatchOver " << f.MatchOver << " GamesPlayed " << f.GamesPlayed << " BreakPointNumber "
      << f.BreakPointNumber << " DeuceNumber " << f.DeuceNumber << "\n";
    for (int p = 0; p < 2; ++p) {
        s << "player " << p << " sets " << f.SetsWon[p] << " served " << f.ServedPoints[p]
          << " firstIn " << f.FirstServesIn[p] << " firstWon " << f.FirstServeWon[p]
          << " secondWon " << f.SecondServeWon[p] << " setPoints " << f.SetPointCount[p]
          << " matchPoints " << f.MatchPointCount[p] << " tieBreak " << f.TieBreakPoints[p] << "\n";
    }
    s << "scroll " << f.GameScroll.minimum() << ".." << f.GameScroll.maximum() << " at "
      << f.GameScroll.value() << "\n";
    return s.str();
}

}  // namespace courtlog::testing
