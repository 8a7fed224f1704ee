#include "storage/Recovery.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <system_error>

#include "storage/FileAccess.h"
#include "storage/JsonReader.h"

namespace courtlog {

namespace fs = std::filesystem;

namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view kFileKey = "file";
// The tie-break marks of a match file, when it has more than the one its rules stand for: a
// match taken back saves to the same bytes.
constexpr std::string_view kMarksKey = "tieBreakMarks";
constexpr std::string_view kPending = "recovery-";
constexpr std::string_view kDeclined = "declined-";
constexpr std::string_view kExtension = ".courtlog";

std::int64_t msOf(fs::file_time_type time) {
    const auto system = std::chrono::file_clock::to_sys(time);
    return std::chrono::duration_cast<std::chrono::milliseconds>(system.time_since_epoch()).count();
}

// Only the user's own files of that name are the program's: a link, or a file someone else
// put there, could lead a recovery to read or write another match.
bool ours(const fs::path& path, std::string_view prefix) {
    const std::string name = path.filename().string();
    return name.starts_with(prefix) && name.ends_with(kExtension) && isOwnFile(path.string());
}

}  // namespace

std::string encodeRecovery(const MatchRecord& match, const std::string& file) {
    const bool ownMarks = match.tieBreakMarks != marksOf(match.rules.tieBreakRule());
    if (file.empty() && !ownMarks) {
        return encodeDocument(match);
    }
    // What only a recovery file keeps rides with whatever the document keeps for a later
    // reader.
    MatchRecord m = match;
    Json unknown = m.unknown.empty() ? Json::object() : readJson(m.unknown).value;
    if (!unknown.is_object()) {
        unknown = Json::object();
    }
    if (!file.empty()) {
        unknown[std::string(kFileKey)] = file;
    }
    if (ownMarks) {
        unknown[std::string(kMarksKey)] = match.tieBreakMarks;
    }
    m.unknown = unknown.dump();
    return encodeDocument(m);
}

DecodedRecovery decodeRecovery(std::string_view bytes) {
    DecodedRecovery result;
    Json marks;
    static_cast<DecodedDocument&>(result) = decodeDocumentTaking(bytes, [&](Json& unknown) {
        if (const auto it = unknown.find(kFileKey); it != unknown.end()) {
            if (it->is_string()) {
                result.file = it->get<std::string>();
            }
            unknown.erase(it);
        }
        if (const auto it = unknown.find(kMarksKey); it != unknown.end()) {
            marks = std::move(*it);
            unknown.erase(it);
        }
    });
    if (marks.is_array() && marks.size() == 3 &&
        std::ranges::all_of(marks, [](const Json& v) { return v.is_boolean(); })) {
        const std::array<bool, 3> own{marks[0].get<bool>(), marks[1].get<bool>(),
                                      marks[2].get<bool>()};
        // Marks that would score the match otherwise are no marks of this match.
        if (setTieBreakOf(tieBreakRuleOf(own)) == result.match.rules.setTieBreak) {
            result.match.tieBreakMarks = own;
        }
    }
    return result;
}

std::vector<RecoveryFile> recoveryFiles(const std::string& folder) {
    std::vector<RecoveryFile> files;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        std::error_code ignored;
        if (ours(entry.path(), kPending)) {
            const auto time = entry.last_write_time(ignored);
            files.push_back({entry.path().string(), ignored ? 0 : msOf(time)});
        }
    }
    std::ranges::sort(files, [](const RecoveryFile& a, const RecoveryFile& b) {
        return a.modified != b.modified ? a.modified > b.modified : a.path > b.path;
    });
    return files;
}

std::string recoveryPathIn(const std::string& folder, std::int64_t now, int attempt) {
    std::string name = std::string(kPending) + std::to_string(now);
    if (attempt > 0) {
        name += "-" + std::to_string(attempt);
    }
    return (fs::path(folder) / (name + std::string(kExtension))).string();
}

std::string lockPathOf(const std::string& recoveryPath) {
    return recoveryPath + ".lock";
}

bool declineRecovery(const std::string& path) {
    const fs::path from(path);
    std::string name = from.filename().string();
    if (!name.starts_with(kPending)) {
        return false;
    }
    name.replace(0, kPending.size(), kDeclined);
    const fs::path to = from.parent_path() / name;
    std::error_code error;
    fs::rename(from, to, error);
    if (error) {
        return false;
    }
    // The week starts now, not when the match was last charted.
    fs::last_write_time(to, fs::file_time_type::clock::now(), error);
    return true;
}

void removeOldDeclined(const std::string& folder) {
    const std::int64_t now = msOf(fs::file_time_type::clock::now());
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        std::error_code ignored;
        if (ours(entry.path(), kDeclined)) {
            const auto time = entry.last_write_time(ignored);
            if (!ignored && now - msOf(time) > kDeclinedKeptMs) {
                fs::remove(entry.path(), ignored);
            }
        }
    }
}

bool fileIsThere(const std::string& path) {
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

bool removeFileIfAny(const std::string& path) {
    std::error_code error;
    fs::remove(path, error);
    return !fs::exists(path, error);
}

}  // namespace courtlog
