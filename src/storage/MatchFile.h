#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "scoring/PointInfo.h"

namespace courtlog {

// Everything a match file keeps. Texts are UTF-8 here and Windows-1252 in the file.
struct MatchRecord {
    std::int16_t setsInMatch = 5;
    std::array<bool, 3> tieBreakWhen{false, true, false};
    std::array<std::string, 2> players{"Giocatore A", "Giocatore B"};
    std::string tournament = "Nome torneo";
    int round = 0;  // index of the round list; a file may hold up to 255
    std::vector<PointWord> points;
};

inline constexpr int kMaxTextLength = 32767;
inline constexpr int kMaxPointWords = 1000;

// The bytes of a match file: little-endian 16-bit fields, length-prefixed texts, the round
// byte, then the point words. At most kMaxPointWords words are written.
std::string encodeMatch(const MatchRecord& match);

// Error numbers reported while loading, as the messages show them.
namespace load_error {
inline constexpr int BadLength = 5;      // a negative length field
inline constexpr int NotFound = 53;      // no such file
inline constexpr int PastEnd = 62;       // the file ends inside its header
inline constexpr int AccessDenied = 70;  // no permission to read
inline constexpr int Unreachable = 75;   // any other failure to reach or read the file
inline constexpr int NoFolder = 76;      // the folder does not exist
inline constexpr int BadRound = 380;     // a round beyond the last entry of the list
}  // namespace load_error

struct DecodedMatch {
    MatchRecord match;
    // Faults that the rest of the file survives, in the order met.
    std::vector<int> errors;
    // The error that makes the file unusable, or 0 when it could be read.
    int fatalError = 0;
    bool roundValid = true;
    // Point words beyond the capacity of the point list, left out.
    std::size_t pointsIgnored = 0;
};

// Reads a whole file's bytes. A negative length reads as an empty text; a round byte beyond
// the list is reported and left out; a single trailing byte is ignored; only the first
// kMaxPointWords words are taken. A file that ends inside its header cannot be used.
DecodedMatch decodeMatch(std::string_view bytes);

// Largest file that can hold anything the reader takes: three texts of the longest length,
// the fixed fields and the words of a full point list.
inline constexpr std::size_t kMaxUsefulFileSize = 15 + 3 * kMaxTextLength + 2 * kMaxPointWords;

}  // namespace courtlog
