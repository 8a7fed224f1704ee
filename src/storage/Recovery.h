#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "history/MatchRecord.h"
#include "storage/MatchDocument.h"

namespace courtlog {

// The recovery files: each window writes the whole match after every change to a match
// document of its own in the user's data folder, so that nothing charted is lost when the
// program or the machine dies. A clean end removes it; a file left by a window that died is
// offered at the next start. One the user declined is renamed and kept a week.

// A week, in milliseconds.
inline constexpr std::int64_t kDeclinedKeptMs = 7LL * 24 * 3600 * 1000;

// The recovery document: the match document with the file the match came from, if any.
std::string encodeRecovery(const MatchRecord& match, const std::string& file);

struct DecodedRecovery : DecodedDocument {
    std::string file;
};
DecodedRecovery decodeRecovery(std::string_view bytes);

struct RecoveryFile {
    std::string path;
    // When it was last written, in milliseconds since 1970 UTC.
    std::int64_t modified = 0;
};

// The recovery files in the folder, not the declined ones, the most recently written first:
// the user's own files, never a link.
std::vector<RecoveryFile> recoveryFiles(const std::string& folder);

// The name of a window's recovery file, unique with `now` and a number the caller counts up
// until the name is free.
std::string recoveryPathIn(const std::string& folder, std::int64_t now, int attempt);
// The lock that a running window holds on its recovery file.
std::string lockPathOf(const std::string& recoveryPath);

// Renames a recovery file the user declined and starts its week; false when it could not.
bool declineRecovery(const std::string& path);
// Removes the declined files kept longer than a week, by the file system's own clock.
void removeOldDeclined(const std::string& folder);
// Whether anything is at the path.
bool fileIsThere(const std::string& path);
// Removes a file if it is there; false when it is there still.
bool removeFileIfAny(const std::string& path);

}  // namespace courtlog
