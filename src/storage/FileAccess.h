#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "storage/LoadError.h"

namespace courtlog {

// The file's name without its folder.
std::string fileTitleOf(const std::string& path);

struct ReadOutcome {
    std::string bytes;
    // The size of the whole file, also of what was not read.
    std::uint64_t size = 0;
    // Why the file could not be opened or read, when it could not: the number and the reason
    // in Italian.
    std::optional<LoadError> error;
    std::string reason;
};

// Reads up to maxBytes of a file; anything beyond is never needed and never read.
ReadOutcome readFileStart(const std::string& path, std::size_t maxBytes);

// Writes the bytes to a temporary file beside the target and puts it in the target's place
// only once everything is on disk, so a failure never leaves a half-written file. Returns an
// nothing on success, otherwise the reason in Italian.
std::optional<std::string> writeFileReplacing(const std::string& path, std::string_view bytes);

}  // namespace courtlog
