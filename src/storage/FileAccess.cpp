#include "storage/FileAccess.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

#include "platform/FilePrimitives.h"

namespace courtlog {

namespace fs = std::filesystem;

namespace {

using os::kNotAFile;

fs::path toPath(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

// The folder a file is in, also for a bare name.
fs::path folderOf(const fs::path& file) {
    return file.parent_path().empty() ? fs::path(".") : file.parent_path();
}

// A regular file, not a link, of the user who runs the program.
bool ownFile(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(fs::symlink_status(path, ec)) && os::ownedByUser(path);
}

Text reasonOf(int err) {
    switch (err) {
        case kNotAFile:
#ifdef ELOOP
        case ELOOP:
#endif
            return CL_TEXT("Files", "il percorso non indica un file");
        case EACCES:
        case EPERM:
            return CL_TEXT("Files", "accesso negato");
        case ENOENT:
        case ENOTDIR:
            return CL_TEXT("Files", "la cartella non esiste");
        case EISDIR:
            return CL_TEXT("Files", "il percorso indica una cartella");
        case EROFS:
            return CL_TEXT("Files", "il disco è di sola lettura");
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
            return CL_TEXT("Files", "spazio su disco esaurito");
        case EIO:
            return CL_TEXT("Files", "errore di lettura o scrittura sul disco");
        case ENAMETOOLONG:
            return CL_TEXT("Files", "nome del file troppo lungo");
        case EINVAL:
            return CL_TEXT("Files", "nome del file non valido");
        default:
            return Text(CL_TEXT("Files", "errore di sistema %1")).arg(err);
    }
}

}  // namespace

bool gUseUnnamedFiles = true;

bool isOwnFile(const std::string& path) {
    return ownFile(toPath(path));
}

bool hasExtension(std::string_view name, std::string_view extension) {
    return name.size() >= extension.size() &&
           std::equal(extension.begin(), extension.end(), name.end() - extension.size(),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

std::string fileTitleOf(const std::string& path) {
    const fs::path name = toPath(path).filename();
    const std::u8string u8 = name.u8string();
    return std::string(u8.begin(), u8.end());
}

ReadOutcome readFileStart(const std::string& path, std::size_t maxBytes, Links links) {
    ReadOutcome out;
    const auto failed = [&out](LoadError error, int err) {
        out.error = error;
        out.reason = reasonOf(err);
        return out;
    };
    const fs::path p = toPath(path);
    std::error_code ec;
    const fs::file_status status =
        links == Links::Follow ? fs::status(p, ec) : fs::symlink_status(p, ec);
    if (ec && ec != std::errc::no_such_file_or_directory && ec != std::errc::not_a_directory) {
        // The file may well be there, behind a folder that cannot be looked into.
        return failed(
            ec == std::errc::permission_denied ? LoadError::AccessDenied : LoadError::Unreachable,
            ec.value());
    }
    if (!fs::exists(status) && os::opensAsDevice(p)) {
        return failed(LoadError::Unreachable, kNotAFile);
    }
    if (!fs::exists(status)) {
        const fs::path folder = p.parent_path();
        const bool folderThere = folder.empty() || fs::is_directory(folder, ec);
        return failed(folderThere ? LoadError::NotFound : LoadError::NoFolder, ENOENT);
    }
    // A folder, a pipe, a socket, a device or a refused link is not a match file; reading a
    // pipe or a device could wait for ever.
    if (!fs::is_regular_file(status)) {
        return failed(LoadError::Unreachable, fs::is_directory(status) ? EISDIR : kNotAFile);
    }
    errno = 0;
    std::FILE* f = os::openRegularFile(p, false, links == Links::Refuse);
    if (f == nullptr) {
        const int err = errno;
        return failed(
            err == EACCES || err == EPERM ? LoadError::AccessDenied : LoadError::Unreachable, err);
    }
    out.bytes.resize(maxBytes);
    errno = 0;
    const std::size_t got = std::fread(out.bytes.data(), 1, maxBytes, f);
    const int readError = std::ferror(f) != 0 ? (errno != 0 ? errno : EIO) : 0;
    std::fclose(f);
    if (readError != 0) {
        out.bytes.clear();
        return failed(LoadError::Unreachable, readError);
    }
    out.bytes.resize(got);
    const std::uintmax_t whole = fs::file_size(p, ec);
    out.size = ec ? got : std::max<std::uint64_t>(whole, got);
    return out;
}

std::optional<FileFingerprint> fingerprintOf(const std::string& path) {
    const fs::path p = toPath(path);
    std::FILE* f = os::openRegularFile(p, false, false);
    if (f == nullptr) {
        return std::nullopt;
    }
    // FNV-1a: quick, and a change of any byte changes it.
    FileFingerprint print{0, 0, 0xcbf29ce484222325ULL};
    std::array<unsigned char, 65536> block{};
    std::size_t got = 0;
    while ((got = std::fread(block.data(), 1, block.size(), f)) > 0) {
        print.size += got;
        for (std::size_t i = 0; i < got; ++i) {
            print.hash = (print.hash ^ block[i]) * 0x100000001b3ULL;
        }
    }
    const bool readError = std::ferror(f) != 0;
    std::fclose(f);
    std::error_code ec;
    const auto modified = fs::last_write_time(p, ec);
    if (readError || ec) {
        return std::nullopt;
    }
    print.modified = modified.time_since_epoch().count();
    return print;
}

bool sameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    return a == b || fs::equivalent(toPath(a), toPath(b), ec);
}

std::optional<Text> makeFolder(const std::string& path) {
    const fs::path p = toPath(path);
    std::error_code ec;
    fs::create_directories(p, ec);
    if (fs::is_directory(p)) {
        return std::nullopt;
    }
    // Something else on the way: a file where a folder should be.
    if (!ec || ec == std::errc::file_exists || ec == std::errc::not_a_directory) {
        return Text(CL_TEXT("Files", "il percorso non indica una cartella"));
    }
    return reasonOf(ec.default_error_condition().value());
}

namespace {

// The file a path names once every symbolic link on the way is followed, so that saving over
// a link writes the file it points to and leaves the link a link. A link to nowhere names the
// file it would point to.
fs::path followLinks(fs::path p) {
    std::error_code ec;
    for (int hop = 0; hop < 40 && fs::is_symlink(fs::symlink_status(p, ec)); ++hop) {
        const fs::path to = fs::read_symlink(p, ec);
        if (ec) {
            break;
        }
        p = to.is_absolute() ? to : p.parent_path() / to;
    }
    return p;
}

// Temporary files are named ".courtlog-", eight letters or digits, ".tmp": a name short enough
// for any file system, and one that says whose it is when a save killed midway leaves it.
constexpr std::string_view kTempStart = ".courtlog-", kTempEnd = ".tmp";
constexpr std::size_t kTempLetters = 8;
constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";

fs::path temporaryBeside(const fs::path& target, std::mt19937& random) {
    std::string name(kTempStart);
    std::uniform_int_distribution<std::size_t> pick(0, sizeof(kLetters) - 2);
    while (name.size() < kTempStart.size() + kTempLetters) {
        name += kLetters[pick(random)];
    }
    return target.parent_path() / toPath(name + std::string(kTempEnd));
}

bool isTemporaryName(const std::string& name) {
    return name.size() == kTempStart.size() + kTempLetters + kTempEnd.size() &&
           name.starts_with(kTempStart) && name.ends_with(kTempEnd) &&
           name.find_first_not_of(kLetters, kTempStart.size()) == name.size() - kTempEnd.size();
}

// Removes the temporary files that saves killed midway left in the folder. One written in the
// last minute may be another window's save still at work, and one of another user's is theirs:
// both are left alone.
void sweepLeftovers(const fs::path& folder) {
    std::error_code ec;
    const auto cutoff = fs::file_time_type::clock::now() - std::chrono::minutes(1);
    fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::u8string name = it->path().filename().u8string();
        if (isTemporaryName(std::string(name.begin(), name.end())) && ownFile(it->path()) &&
            it->last_write_time(ec) < cutoff && !ec) {
            fs::remove(it->path(), ec);
        }
        ec.clear();
    }
}

int writeAll(std::FILE* f, std::string_view bytes) {
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() || std::fflush(f) != 0 ||
        !os::syncToDisk(f)) {
        return errno != 0 ? errno : EIO;
    }
    return 0;
}

// Linux: the new contents go to a file without a name, which is given the target's name only
// once everything is on disk, so a save killed midway leaves nothing behind. Returns -1 where
// the file system cannot make such a file. The saved file keeps the permissions the user gave
// the old one, when there is one.
int writeUnnamed(const fs::path& target, std::string_view bytes,
                 const std::optional<fs::perms>& perms, const std::optional<os::Owner>& owner,
                 std::mt19937& random) {
    if (!gUseUnnamedFiles) {
        return -1;
    }
    int err = 0;
    std::FILE* f = os::openUnnamed(folderOf(target), perms, owner, err);
    if (f == nullptr) {
        return err;
    }
    err = writeAll(f, bytes);
    // A name is needed for an atomic replace: link under a fresh one, then rename over.
    while (err == 0) {
        const fs::path temp = temporaryBeside(target, random);
        const int linked = os::nameUnnamed(f, temp);
        if (linked == EEXIST) {
            continue;
        }
        err = linked != 0 ? linked : os::moveOver(temp, target);
        if (linked == 0 && err != 0) {
            std::error_code ec;
            fs::remove(temp, ec);
        }
        break;
    }
    if (std::fclose(f) != 0 && err == 0) {
        err = errno != 0 ? errno : EIO;
    }
    return err;
}

// Elsewhere: a temporary file of a fresh name beside the target, renamed over it when written.
int writeNamed(const fs::path& target, std::string_view bytes, fs::perms perms, bool keepPerms,
               const std::optional<os::Owner>& owner, std::mt19937& random) {
    fs::path temp;
    std::FILE* f = nullptr;
    while (f == nullptr) {
        temp = temporaryBeside(target, random);
        errno = 0;
        f = os::createNew(temp);
        if (f == nullptr && errno != EEXIST) {
            return errno != 0 ? errno : EIO;
        }
    }
    os::giveTo(f, owner);
    std::error_code ec;
    if (keepPerms) {
        fs::permissions(temp, perms, ec);
    }
    int err = writeAll(f, bytes);
    if (std::fclose(f) != 0 && err == 0) {
        err = errno != 0 ? errno : EIO;
    }
    if (err == 0) {
        err = os::moveOver(temp, target);
    }
    if (err != 0) {
        fs::remove(temp, ec);
    }
    return err;
}

// Puts bytes in the place of a file's whole contents.
int putContents(std::FILE* f, std::string_view bytes) {
    std::rewind(f);
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() || std::fflush(f) != 0 ||
        !os::cutTo(f, bytes.size()) || !os::syncToDisk(f)) {
        return errno != 0 ? errno : EIO;
    }
    return 0;
}

// Writes over the file itself, for a folder where no file may be made or replaced. This is not
// atomic: the old bytes are kept, and written back when the new ones cannot all be written.
int writeInPlace(const fs::path& target, std::string_view bytes, Links links) {
    errno = 0;
    std::FILE* f = os::openRegularFile(target, true, links == Links::Refuse);
    if (f == nullptr) {
        return errno != 0 ? errno : EIO;
    }
    // Unbuffered, so that a failed write leaves nothing behind to be written later.
    std::setvbuf(f, nullptr, _IONBF, 0);
    std::string old;
    char chunk[4096];
    while (const std::size_t n = std::fread(chunk, 1, sizeof chunk, f)) {
        old.append(chunk, n);
    }
    const bool oldKept = std::ferror(f) == 0;
    int err = oldKept ? putContents(f, bytes) : EIO;
    if (err != 0 && oldKept) {
        putContents(f, old);
    }
    if (std::fclose(f) != 0 && err == 0) {
        err = errno != 0 ? errno : EIO;
    }
    return err;
}

}  // namespace

std::optional<Text> writeFileInPlace(const std::string& path, std::string_view bytes) {
    const int err = writeInPlace(toPath(path), bytes, Links::Follow);
    return err == 0 ? std::nullopt : std::optional<Text>(reasonOf(err));
}

std::optional<Text> writeFileReplacing(const std::string& path, std::string_view bytes,
                                       Links links) {
    const fs::path target = links == Links::Follow ? followLinks(toPath(path)) : toPath(path);
    std::error_code ec;
    // A link still there is a loop, or one refused. A pipe or a device is no file to replace:
    // a save would put a file in its place, and writing to it could wait for ever.
    const fs::file_status old = fs::symlink_status(target, ec);
    const bool replacing = !ec && fs::exists(old);
    if (replacing && !fs::is_regular_file(old)) {
        return reasonOf(fs::is_directory(old) ? EISDIR : kNotAFile);
    }
    if (!replacing && os::opensAsDevice(target)) {
        return reasonOf(kNotAFile);
    }
    // A file the user may not write is not replaced behind the user's back; one in read-only
    // mode counts as such even for a user the system would let write it.
    constexpr fs::perms anyWrite =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if (replacing && (old.permissions() & anyWrite) == fs::perms::none) {
        return Text(CL_TEXT("Files", "il file è di sola lettura"));
    }
    if (replacing) {
        if (const int err = os::writeAccess(target); err != 0) {
            return reasonOf(err);
        }
    }
    const std::optional<os::Owner> owner = replacing ? os::ownerOf(target) : std::nullopt;
    sweepLeftovers(target.parent_path());
    std::mt19937 random(std::random_device{}());
    int err =
        writeUnnamed(target, bytes,
                     replacing ? std::optional(old.permissions() & fs::perms::mask) : std::nullopt,
                     owner, random);
    if (err == -1) {
        err = writeNamed(target, bytes, old.permissions(), replacing, owner, random);
    }
    // No file may be made in the folder, or the sticky bit keeps someone else's file there in
    // place: the file, which the user may write, is written over as it is.
    if (replacing && (err == EACCES || err == EPERM)) {
        err = writeInPlace(target, bytes, links);
    }
    // The new name is on disk too, so that a machine losing power keeps the new file.
    if (err == 0) {
        os::syncFolder(folderOf(target));
    }
    return err == 0 ? std::nullopt : std::optional<Text>(reasonOf(err));
}

}  // namespace courtlog
