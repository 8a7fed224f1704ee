#include "storage/FileAccess.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace courtlog {

namespace fs = std::filesystem;

namespace {

fs::path toPath(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::FILE* openFile(const fs::path& path, const char* mode) {
#ifdef _WIN32
    std::wstring wmode(mode, mode + std::char_traits<char>::length(mode));
    return _wfopen(path.c_str(), wmode.c_str());
#else
    return std::fopen(path.c_str(), mode);
#endif
}

// Opens a file for reading only if it is a regular file when it is opened, without ever
// waiting on it: a path that became a pipe since it was looked at fails rather than blocks.
std::FILE* openRegularFile(const fs::path& path) {
#ifdef _WIN32
    return openFile(path, "rb");
#else
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return nullptr;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return nullptr;
    }
    std::FILE* f = ::fdopen(fd, "rb");
    if (f == nullptr) {
        ::close(fd);
    }
    return f;
#endif
}

bool syncToDisk(std::FILE* f) {
#ifdef _WIN32
    return _commit(_fileno(f)) == 0;
#else
    return fsync(fileno(f)) == 0;
#endif
}

std::string reasonOf(int err) {
    switch (err) {
        case EACCES:
        case EPERM:
            return "accesso negato";
        case ENOENT:
        case ENOTDIR:
            return "la cartella non esiste";
        case EISDIR:
            return "il percorso indica una cartella";
        case EROFS:
            return "il disco è di sola lettura";
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
            return "spazio su disco esaurito";
        case EIO:
            return "errore di lettura o scrittura sul disco";
        case ENAMETOOLONG:
            return "nome del file troppo lungo";
        default:
            return "errore di sistema " + std::to_string(err);
    }
}

}  // namespace

std::string fileTitleOf(const std::string& path) {
    const fs::path name = toPath(path).filename();
    const std::u8string u8 = name.u8string();
    return std::string(u8.begin(), u8.end());
}

ReadOutcome readFileStart(const std::string& path, std::size_t maxBytes) {
    ReadOutcome out;
    const fs::path p = toPath(path);
    std::error_code ec;
    const fs::file_status status = fs::status(p, ec);
    if (ec && ec != std::errc::no_such_file_or_directory && ec != std::errc::not_a_directory) {
        // The file may well be there, behind a folder that cannot be looked into.
        out.error =
            ec == std::errc::permission_denied ? LoadError::AccessDenied : LoadError::Unreachable;
        return out;
    }
    if (!fs::exists(status)) {
        const fs::path folder = p.parent_path();
        const bool folderThere = folder.empty() || fs::is_directory(folder, ec);
        out.error = folderThere ? LoadError::NotFound : LoadError::NoFolder;
        return out;
    }
    // A folder, a pipe, a socket or a device is not a match file; reading a pipe or a device
    // could wait for ever.
    if (!fs::is_regular_file(status)) {
        out.error = LoadError::Unreachable;
        return out;
    }
    errno = 0;
    std::FILE* f = openRegularFile(p);
    if (f == nullptr) {
        out.error =
            (errno == EACCES || errno == EPERM) ? LoadError::AccessDenied : LoadError::Unreachable;
        return out;
    }
    out.bytes.resize(maxBytes);
    const std::size_t got = std::fread(out.bytes.data(), 1, maxBytes, f);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) {
        out.bytes.clear();
        out.error = LoadError::Unreachable;
        return out;
    }
    out.bytes.resize(got);
    return out;
}

std::optional<std::string> writeFileReplacing(const std::string& path, std::string_view bytes) {
    const fs::path target = toPath(path);
    std::error_code ec;
    if (fs::is_directory(target, ec)) {
        return reasonOf(EISDIR);
    }
    // A name of its own beside the target, created only if nothing has it, so no file of
    // the user's is ever overwritten by the temporary one.
    fs::path temp;
    std::FILE* f = nullptr;
    for (int attempt = 0; f == nullptr; ++attempt) {
        temp = target.parent_path() /
               toPath("." + fileTitleOf(path) + ".salvataggio-" + std::to_string(attempt) + ".tmp");
        errno = 0;
        f = openFile(temp, "wbx");
        if (f == nullptr && (errno != EEXIST || attempt == 99)) {
            return reasonOf(errno);
        }
    }
    // The saved file keeps the permissions the user gave the old one.
    const fs::file_status old = fs::status(target, ec);
    if (!ec && fs::exists(old)) {
        fs::permissions(temp, old.permissions(), ec);
    }
    int err = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() || std::fflush(f) != 0 ||
        !syncToDisk(f)) {
        err = errno != 0 ? errno : EIO;
    }
    if (std::fclose(f) != 0 && err == 0) {
        err = errno != 0 ? errno : EIO;
    }
    if (err == 0) {
        fs::rename(temp, target, ec);
        if (ec) {
            err = ec.value();
        }
    }
    if (err != 0) {
        fs::remove(temp, ec);
        return reasonOf(err);
    }
    return std::nullopt;
}

}  // namespace courtlog
