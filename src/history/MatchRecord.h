#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Text.h"
#include "scoring/PointWord.h"

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

// A match as a value: everything a match file keeps. Texts are UTF-8 here and Windows-1252 in
// the file.
struct MatchRecord {
    std::int16_t setsInMatch = 5;
    std::array<bool, 3> tieBreakWhen{false, true, false};
    std::array<std::string, 2> players{kDefaultPlayers[0].text, kDefaultPlayers[1].text};
    std::string tournament = kDefaultTournament.text;
    int round = 0;  // index of the round list; a file may hold up to 255
    std::vector<PointWord> points;
};

}  // namespace courtlog
