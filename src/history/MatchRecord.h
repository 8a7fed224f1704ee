#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Text.h"
#include "scoring/PointWord.h"
#include "scoring/Rules.h"

namespace courtlog {

// The most points a match holds: the window's point list, a match file and every report stop
// there.
inline constexpr int kMaxPoints = 1000;

// The longest name a match file can keep: its length field is a signed 16-bit number.
inline constexpr int kMaxTextLength = 32767;

// The names of a match nobody has named yet.
inline constexpr std::array<Source, 2> kDefaultPlayers{CL_TEXT("Match", "Giocatore A"),
                                                       CL_TEXT("Match", "Giocatore B")};
inline constexpr Source kDefaultTournament = CL_TEXT("Match", "Nome torneo");

// A point recorded without its time.
inline constexpr std::int64_t kNoTime = -1;

// A match as a value: everything a match file or a match document keeps. Texts are UTF-8
// here; a match file holds them in Windows-1252.
struct MatchRecord {
    std::int16_t setsInMatch = 5;
    // The tie-break menu's marks as a match file keeps them; with a match document, the one
    // mark that the rules stand for.
    std::array<bool, 3> tieBreakWhen{false, true, false};
    // What a match file cannot keep: read from a file, the deciding set follows its marks,
    // no-ad is off and A serves first.
    DecidingSet decidingSet = DecidingSet::Advantage;
    bool noAd = false;
    int firstServer = 0;
    std::array<std::string, 2> players{kDefaultPlayers[0].text, kDefaultPlayers[1].text};
    std::string tournament = kDefaultTournament.text;
    int round = 0;  // index of the round list; a file may hold up to 255
    std::vector<PointWord> points;
    // The moment of the first timed point, UTC in ISO 8601, empty when no point is timed;
    // then each point's time in milliseconds after it, kNoTime for none. Either empty or as
    // long as `points`.
    std::string start;
    std::vector<std::int64_t> times;
    // Whatever a match document held that this program does not read, kept as the document
    // had it so that saving it again loses nothing. Only the document's reader and writer
    // look inside.
    std::string unknown;

    // The rules the match is scored by.
    Rules rules() const {
        Rules r = rulesOf(setsInMatch, tieBreakWhen);
        r.decidingSet = decidingSet;
        r.noAd = noAd;
        r.firstServer = firstServer;
        return r;
    }
    // Takes these rules: the number of sets, the one tie-break mark they show and the rest.
    void setRules(const Rules& r) {
        setsInMatch = static_cast<std::int16_t>(r.setsInMatch);
        tieBreakWhen = marksOf(r.tieBreakRule());
        decidingSet = r.decidingSet;
        noAd = r.noAd;
        firstServer = r.firstServer;
    }
};

}  // namespace courtlog
