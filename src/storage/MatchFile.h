#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history/MatchRecord.h"
#include "storage/LoadError.h"

namespace courtlog {

// The bytes of a match file: little-endian 16-bit fields, length-prefixed texts, the round
// byte, then the point words. At most kMaxPoints words are written.
std::string encodeMatch(const MatchRecord& match);

struct DecodedMatch {
    MatchRecord match;
    // Faults that the rest of the file survives, in the order met.
    std::vector<LoadError> errors;
    // What makes the file unusable, when it is.
    std::optional<LoadError> fatalError;
    bool roundValid = true;
    // Point words beyond the capacity of the point list, left out.
    std::uint64_t pointsIgnored = 0;
};

// Reads a file's bytes. A negative length reads as an empty text; a round byte beyond the list
// is reported and left out; a single trailing byte is ignored; only the first kMaxPoints words
// are taken. A file that ends inside its header cannot be used. bytesBeyond counts the bytes of
// the file past those given, never read, so that the words left out are counted all the same.
DecodedMatch decodeMatch(std::string_view bytes, std::uint64_t bytesBeyond = 0);

// Largest file that can hold anything the reader takes: three texts of the longest length,
// the fixed fields and the words of a full point list.
inline constexpr std::size_t kMaxUsefulFileSize = 15 + 3 * kMaxTextLength + 2 * kMaxPoints;

}  // namespace courtlog
