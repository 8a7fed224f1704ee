#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Text.h"
#include "storage/LoadError.h"

namespace courtlog {

// The file's name without its folder.
std::string fileTitleOf(const std::string& path);

// Whether the name ends in this extension (".clg"), in any case.
bool hasExtension(std::string_view name, std::string_view extension);

struct ReadOutcome {
    std::string bytes;
    // The size of the whole file, also of what was not read.
    std::uint64_t size = 0;
    // Why the file could not be opened or read, when it could not: the number and the
    // reason.
    std::optional<LoadError> error;
    Text reason;
};

// Whether a symbolic link at the path is followed to the file it names, as for the user's own
// files, or refused, for the files the program keeps for itself: a link there may lead anywhere.
enum class Links { Follow, Refuse };

// Reads up to maxBytes of a file; anything beyond is never needed and never read.
ReadOutcome readFileStart(const std::string& path, std::size_t maxBytes,
                          Links links = Links::Follow);

// Writes the bytes to a temporary file beside the target and puts it in the target's place
// only once everything is on disk, so a failure never leaves a half-written file. Returns
// nothing on success, otherwise the reason. In a folder where no file may be made or
// replaced (one the user may not write, or a sticky folder that holds someone else's file), a
// file the user may write is written over instead: that is not atomic, so when the write fails
// the old bytes are written back. Temporary files of the user's that saves killed midway are
// removed from the folder.
std::optional<Text> writeFileReplacing(const std::string& path, std::string_view bytes,
                                       Links links = Links::Follow);

// What a file held when this window last read or wrote it, to tell whether anyone has
// written it since.
struct FileFingerprint {
    std::uint64_t size = 0;
    std::int64_t modified = 0;  // in the file system's own ticks
    std::uint64_t hash = 0;     // of all its bytes
    bool operator==(const FileFingerprint&) const = default;
};
// None when nothing readable as a file is there.
std::optional<FileFingerprint> fingerprintOf(const std::string& path);
// Whether the two paths name one file, also through links; false when either is not there.
bool sameFile(const std::string& a, const std::string& b);

// Makes the folder and those above it as needed; nothing when it is there, otherwise why not.
std::optional<Text> makeFolder(const std::string& path);

// That last way alone: writes the bytes over the file's contents, and the old ones back when
// the new ones cannot all be written.
std::optional<Text> writeFileInPlace(const std::string& path, std::string_view bytes);

// A regular file, not a link, of the user who runs the program.
bool isOwnFile(const std::string& path);

// Whether saves may write their new contents to a file without a name first, where the system
// has them (Linux); false takes the way of the file systems that do not, so that it can be tried.
extern bool gUseUnnamedFiles;

}  // namespace courtlog
