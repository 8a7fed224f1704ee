#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "history/MatchRecord.h"
#include "platform/Text.h"

namespace courtlog {

// A match file or document read from disk, with everything there is to say about it.
struct LoadedMatch {
    MatchRecord record;
    // False when the file's round is not one of the list: the round shown stays as it was.
    bool roundValid = true;
    // A match document rather than a match file, told by its contents.
    bool document = false;
    // Point words past kMaxPoints, left out.
    std::uint64_t pointsIgnored = 0;
    // Why nothing of the file can be used, when it cannot; the record is then empty.
    std::optional<Text> refusal;
    // Faults the rest of the file survived, one message each, in the order met.
    std::vector<Text> faults;

    // What is said once the match is in place about the points left out, when there are any.
    std::optional<Text> leftOut() const;
};

// Reads either kind of match, whatever the file is called. The whole file is read and checked
// here, so that a caller changes nothing before it knows the match can be used.
LoadedMatch loadMatchFile(const std::string& path);

}  // namespace courtlog
