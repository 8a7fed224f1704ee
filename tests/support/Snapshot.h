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
    for (const NamedField& nf : f.view().board.fields()) {
        s << nf.displayName() << " '" << (nf.field->visible() ? nf.field->caption() : "") << "' "
          << (nf.field->visible() ? "shown" : "hidden") << " " << colourToHex(nf.field->fore())
          << " " << colourToHex(nf.field->back()) << "\n";
    }
    const Score& sc = f.session().score();
    s << "Server " << sc.server << " SetFirstServer " << sc.setFirstServer << " CurrentSet "
      << sc.set << " SetsInMatch " << f.session().rules().setsInMatch << " InTieBreak "
      << sc.inTieBreak << " MatchOver " << sc.over << " GamesPlayed " << sc.gamesPlayed
      << " BreakPointNumber " << sc.breakPointNumber << " DeuceNumber " << sc.deuceNumber << "\n";
    for (int p = 0; p < 2; ++p) {
        const PlayerStatistics& c = f.session().position().counted[p];
        s << "player " << p << " sets " << sc.sets[p] << " served " << c.servicePointsPlayed
          << " firstIn " << c.firstServesIn << " firstWon " << c.firstServePointsWon
          << " secondWon " << c.secondServePointsWon << " setPoints " << sc.needs[p].setPointCount
          << " matchPoints " << sc.needs[p].matchPointCount << "\n";
    }
    s << "scroll " << f.view().GameScroll.minimum() << ".." << f.view().GameScroll.maximum()
      << " at " << f.view().GameScroll.value() << "\n";
    return s.str();
}

}  // namespace courtlog::testing
