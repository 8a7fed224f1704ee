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

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace courtlog {

namespace fs = std::filesystem;

namespace {

// The reason given for a path that is there but names no file (a pipe, a device, a socket, a
// loop of symbolic links); negative, so that no errno value is taken for it.
constexpr int kNotAFile = -2;

fs::path toPath(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

#ifdef _WIN32
// The errno value of a Windows error, for the messages.
int errnoOf(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME:
            return ENOENT;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return EACCES;
        case ERROR_WRITE_PROTECT:
            return EROFS;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return ENOSPC;
        case ERROR_FILENAME_EXCED_RANGE:
            return ENAMETOOLONG;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return EEXIST;
        case ERROR_INVALID_NAME:
            return EINVAL;
        default:
            return EIO;
    }
}

// A C stream that owns the handle.
std::FILE* streamOf(HANDLE handle, int flags, const char* mode) {
    const int fd = ::_open_osfhandle(reinterpret_cast<std::intptr_t>(handle), flags);
    if (fd < 0) {
        ::CloseHandle(handle);
        errno = EIO;
        return nullptr;
    }
    std::FILE* f = ::_fdopen(fd, mode);
    if (f == nullptr) {
        ::_close(fd);
    }
    return f;
}

// Something that opens without being a file or a folder: a device (NUL, CON, COM1) or a
// pipe, which the C library's stat does not see.
bool openableAsDevice(const fs::path& path) {
    const HANDLE h =
        ::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        return ::GetLastError() == ERROR_PIPE_BUSY;
    }
    ::CloseHandle(h);
    return true;
}
#endif

// A new file opened for writing, or nothing (errno EEXIST) when the name is taken.
std::FILE* createNew(const fs::path& path) {
#ifdef _WIN32
    // msvcrt.dll, the C library of MinGW programs, knows no "x" mode.
    const HANDLE h = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        errno = errnoOf(::GetLastError());
        return nullptr;
    }
    return streamOf(h, _O_WRONLY | _O_BINARY, "wb");
#else
    return std::fopen(path.c_str(), "wbx");
#endif
}

// Puts from in the place of to, replacing the file there.
int moveOver(const fs::path& from, const fs::path& to) {
#ifdef _WIN32
    // rename() never replaces a file on Windows; this does, and is on disk when it returns.
    return ::MoveFileExW(from.c_str(), to.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? 0
               : errnoOf(::GetLastError());
#else
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
#endif
}

// Opens a file for reading, or for reading and writing, only if it is a regular file when it
// is opened, without ever waiting on it: a path that became a pipe since it was looked at
// fails rather than blocks. With links refused, a link there is no file either.
std::FILE* openRegularFile(const fs::path& path, bool update, Links links) {
    const bool refuse = links == Links::Refuse;
#ifdef _WIN32
    // A file being written over is not for others to write or remove meanwhile.
    const HANDLE h = ::CreateFileW(
        path.c_str(), GENERIC_READ | (update ? GENERIC_WRITE : 0),
        update ? FILE_SHARE_READ : FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | (refuse ? FILE_FLAG_OPEN_REPARSE_POINT : 0),
        nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        errno = errnoOf(::GetLastError());
        return nullptr;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileType(h) != FILE_TYPE_DISK ||
        (refuse && (!::GetFileInformationByHandle(h, &info) ||
                    (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0))) {
        ::CloseHandle(h);
        errno = kNotAFile;
        return nullptr;
    }
    return update ? streamOf(h, _O_RDWR | _O_BINARY, "r+b")
                  : streamOf(h, _O_RDONLY | _O_BINARY, "rb");
#else
    const int fd = ::open(path.c_str(), (update ? O_RDWR : O_RDONLY) | O_NONBLOCK | O_CLOEXEC |
                                            (refuse ? O_NOFOLLOW : 0));
    if (fd < 0) {
        return nullptr;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        errno = kNotAFile;
        return nullptr;
    }
    std::FILE* f = ::fdopen(fd, update ? "r+b" : "rb");
    if (f == nullptr) {
        ::close(fd);
    }
    return f;
#endif
}

// A regular file, not a link, of the user who runs the program. Windows is not asked whose it
// is: its folders of user data are the user's alone.
bool ownFile(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_regular_file(fs::symlink_status(path, ec))) {
        return false;
    }
#ifdef _WIN32
    return true;
#else
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && st.st_uid == ::geteuid();
#endif
}

#ifndef _WIN32
mode_t currentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}
#endif

bool cutTo(std::FILE* f, std::size_t size) {
#ifdef _WIN32
    return _chsize_s(_fileno(f), static_cast<__int64>(size)) == 0;
#else
    return ::ftruncate(fileno(f), static_cast<off_t>(size)) == 0;
#endif
}

bool syncToDisk(std::FILE* f) {
#ifdef _WIN32
    return _commit(_fileno(f)) == 0;
#else
    return fsync(fileno(f)) == 0;
#endif
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
#ifdef _WIN32
    if (!fs::exists(status) && openableAsDevice(p)) {
        return failed(LoadError::Unreachable, kNotAFile);
    }
#endif
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
    std::FILE* f = openRegularFile(p, false, links);
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
    std::FILE* f = openRegularFile(p, false, Links::Follow);
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
        !syncToDisk(f)) {
        return errno != 0 ? errno : EIO;
    }
    return 0;
}

// The owner and group of the file a save replaces. The new file is given them where the system
// allows it, so that a save by root leaves the file its owner's.
struct Owner {
    bool known = false;
    unsigned long uid = 0, gid = 0;
};

void giveTo([[maybe_unused]] int fd, [[maybe_unused]] const Owner& owner) {
#ifndef _WIN32
    if (owner.known &&
        ::fchown(fd, static_cast<uid_t>(owner.uid), static_cast<gid_t>(owner.gid)) != 0) {
        // Only root may give a file away (EPERM): anyone else saves it as their own.
    }
#endif
}

#ifdef O_TMPFILE
// Linux: the new contents go to a file without a name, which is given the target's name only
// once everything is on disk, so a save killed midway leaves nothing behind. Returns -1 where
// the file system cannot make such a file.
int writeUnnamed(const fs::path& target, std::string_view bytes, mode_t mode, const Owner& owner,
                 std::mt19937& random) {
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    errno = EOPNOTSUPP;
    const int fd =
        gUseUnnamedFiles ? ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode) : -1;
    if (fd < 0) {
        return errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL ? -1 : errno;
    }
    giveTo(fd, owner);
    ::fchmod(fd, mode);
    std::FILE* f = ::fdopen(fd, "wb");
    if (f == nullptr) {
        const int err = errno;
        ::close(fd);
        return err;
    }
    int err = writeAll(f, bytes);
    const std::string self = "/proc/self/fd/" + std::to_string(::fileno(f));
    // A name is needed for an atomic replace: link under a fresh one, then rename over.
    while (err == 0) {
        const fs::path temp = temporaryBeside(target, random);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temp.c_str(), AT_SYMLINK_FOLLOW) != 0) {
            if (errno != EEXIST) {
                err = errno;
            }
            continue;
        }
        if (::rename(temp.c_str(), target.c_str()) != 0) {
            err = errno;
            ::unlink(temp.c_str());
        }
        break;
    }
    if (std::fclose(f) != 0 && err == 0) {
        err = errno != 0 ? errno : EIO;
    }
    return err;
}
#endif

// Elsewhere: a temporary file of a fresh name beside the target, renamed over it when written.
int writeNamed(const fs::path& target, std::string_view bytes, fs::perms perms, bool keepPerms,
               const Owner& owner, std::mt19937& random) {
    fs::path temp;
    std::FILE* f = nullptr;
    while (f == nullptr) {
        temp = temporaryBeside(target, random);
        errno = 0;
        f = createNew(temp);
        if (f == nullptr && errno != EEXIST) {
            return errno != 0 ? errno : EIO;
        }
    }
    giveTo(fileno(f), owner);
    std::error_code ec;
    if (keepPerms) {
        fs::permissions(temp, perms, ec);
    }
    int err = writeAll(f, bytes);
    if (std::fclose(f) != 0 && err == 0) {
        err = errno != 0 ? errno : EIO;
    }
    if (err == 0) {
        err = moveOver(temp, target);
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
        !cutTo(f, bytes.size()) || !syncToDisk(f)) {
        return errno != 0 ? errno : EIO;
    }
    return 0;
}

// Writes over the file itself, for a folder where no file may be made or replaced. This is not
// atomic: the old bytes are kept, and written back when the new ones cannot all be written.
int writeInPlace(const fs::path& target, std::string_view bytes, Links links) {
    errno = 0;
    std::FILE* f = openRegularFile(target, true, links);
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
#ifdef _WIN32
    if (!replacing && openableAsDevice(target)) {
        return reasonOf(kNotAFile);
    }
#endif
    // A file the user may not write is not replaced behind the user's back; one in read-only
    // mode counts as such even for a user the system would let write it.
    constexpr fs::perms anyWrite =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if (replacing && (old.permissions() & anyWrite) == fs::perms::none) {
        return Text(CL_TEXT("Files", "il file è di sola lettura"));
    }
#ifndef _WIN32
    if (replacing && ::access(target.c_str(), W_OK) != 0) {
        return reasonOf(errno);
    }
#endif
    Owner owner;
#ifndef _WIN32
    struct stat st {};
    if (replacing && ::stat(target.c_str(), &st) == 0) {
        owner = {true, st.st_uid, st.st_gid};
    }
#endif
    sweepLeftovers(target.parent_path());
    std::mt19937 random(std::random_device{}());
    int err = -1;
#ifdef O_TMPFILE
    // The saved file keeps the permissions the user gave the old one.
    const mode_t mode = replacing ? static_cast<mode_t>(old.permissions() & fs::perms::mask)
                                  : static_cast<mode_t>(0666 & ~currentUmask());
    err = writeUnnamed(target, bytes, mode, owner, random);
#endif
    if (err == -1) {
        err = writeNamed(target, bytes, old.permissions(), replacing, owner, random);
    }
    // No file may be made in the folder, or the sticky bit keeps someone else's file there in
    // place: the file, which the user may write, is written over as it is.
    if (replacing && (err == EACCES || err == EPERM)) {
        err = writeInPlace(target, bytes, links);
    }
#ifndef _WIN32
    // The new name is on disk too, so that a machine losing power keeps the new file.
    if (err == 0) {
        const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
        if (const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); fd >= 0) {
            ::fsync(fd);
            ::close(fd);
        }
    }
#endif
    return err == 0 ? std::nullopt : std::optional<Text>(reasonOf(err));
}

}  // namespace courtlog
