#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Text.h"
#include "scoring/PointWord.h"
#include "scoring/Rounds.h"
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
// In doubles: each side's first and second player, A1, A2, B1, B2.
inline constexpr std::array<Source, kPlayers> kDefaultDoublesPlayers{
    CL_TEXT("Match", "Giocatore A1"), CL_TEXT("Match", "Giocatore A2"),
    CL_TEXT("Match", "Giocatore B1"), CL_TEXT("Match", "Giocatore B2")};
// How a doubles side is named in one line: its two players.
inline constexpr const char* kSideNamePattern = "%1 / %2";
inline constexpr Source kDefaultTournament = CL_TEXT("Match", "Nome torneo");

// A point recorded without its time.
inline constexpr std::int64_t kNoTime = -1;

// A match as a value: everything a match file or a match document keeps. Texts are UTF-8
// here; a match file holds them in Windows-1252.
struct MatchRecord {
    Rules rules;
    // The three marks of the tie-break rule as a match file keeps them, beside the rules they
    // stand for: a file read with more than one mark set writes them back as it had them.
    std::array<bool, 3> tieBreakMarks{false, true, false};
    // Each side's player; in doubles, each side's first player.
    std::array<std::string, 2> players{kDefaultPlayers[0].text, kDefaultPlayers[1].text};
    // In doubles, each side's second player.
    std::array<std::string, 2> partners{kDefaultDoublesPlayers[1].text,
                                        kDefaultDoublesPlayers[3].text};
    std::string tournament = kDefaultTournament.text;
    int round = 0;  // index of the round list; a file may hold up to 255
    std::vector<PointWord> points;
    // The moment of the first timed point, UTC in ISO 8601, empty when no point is timed;
    // then each point's time in milliseconds after it, kNoTime for none. Either empty or as
    // long as `points`.
    std::string start;
    std::vector<std::int64_t> times;
    // Each point's moment in the match's video, in milliseconds from the start of the file,
    // kNoTime for none. Either empty or as long as `points`.
    std::vector<std::int64_t> videoMs;
    // The video the points are tied to: its path (absolute in memory; a saved document may
    // keep it relative to itself), and, when the points were lined up from their times, the
    // offset added to each time. Empty file: no video.
    struct VideoLink {
        std::string file;
        std::optional<std::int64_t> offsetMs;
        bool operator==(const VideoLink&) const = default;
    } video;
    // Whatever a match document held that this program does not read, kept as the document
    // had it so that saving it again loses nothing. Only the document's reader and writer
    // look inside.
    std::string unknown;

    // Player 0 to 3 by kPlayers index.
    const std::string& player(int p) const {
        return (p % 2 == 0 ? players : partners)[static_cast<std::size_t>(p / 2) % 2];
    }
    // A side as one line names it: in doubles both its players.
    std::string sideName(int side) const {
        const auto s = static_cast<std::size_t>(side == 1 ? 1 : 0);
        return rules.doubles ? fillIn(kSideNamePattern, {players[s], partners[s]}) : players[s];
    }

    // Takes these rules, and the one tie-break mark that stands for them.
    void setRules(const Rules& r) {
        rules = r;
        tieBreakMarks = marksOf(r.tieBreakRule());
    }
};

}  // namespace courtlog
