// The file primitives of Linux and the other POSIX systems.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/FilePrimitives.h"

namespace courtlog::os {

namespace fs = std::filesystem;

std::FILE* openRegularFile(const fs::path& path, bool update, bool refuseLinks) {
    const int fd = ::open(path.c_str(), (update ? O_RDWR : O_RDONLY) | O_NONBLOCK | O_CLOEXEC |
                                            (refuseLinks ? O_NOFOLLOW : 0));
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
}

std::FILE* createNew(const fs::path& path) {
    return std::fopen(path.c_str(), "wbx");
}

int moveOver(const fs::path& from, const fs::path& to) {
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

bool opensAsDevice(const fs::path&) {
    return false;
}

bool ownedByUser(const fs::path& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && st.st_uid == ::geteuid();
}

bool cutTo(std::FILE* f, std::size_t size) {
    return ::ftruncate(fileno(f), static_cast<off_t>(size)) == 0;
}

bool syncToDisk(std::FILE* f) {
    return ::fsync(fileno(f)) == 0;
}

int writeAccess(const fs::path& path) {
    return ::access(path.c_str(), W_OK) == 0 ? 0 : errno;
}

std::optional<Owner> ownerOf(const fs::path& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return std::nullopt;
    }
    return Owner{st.st_uid, st.st_gid};
}

void giveTo(std::FILE* f, const std::optional<Owner>& owner) {
    if (owner &&
        ::fchown(fileno(f), static_cast<uid_t>(owner->uid), static_cast<gid_t>(owner->gid)) != 0) {
        // Only root may give a file away (EPERM): anyone else saves it as their own.
    }
}

#ifdef O_TMPFILE
namespace {

mode_t currentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

}  // namespace

// Linux: a file without a name, so that a save killed midway leaves nothing behind.
std::FILE* openUnnamed(const fs::path& folder, const std::optional<fs::perms>& perms,
                       const std::optional<Owner>& owner, int& err) {
    const mode_t mode = perms ? static_cast<mode_t>(*perms & fs::perms::mask)
                              : static_cast<mode_t>(0666 & ~currentUmask());
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    if (fd < 0) {
        err = errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL ? -1 : errno;
        return nullptr;
    }
    std::FILE* f = ::fdopen(fd, "wb");
    if (f == nullptr) {
        err = errno;
        ::close(fd);
        return nullptr;
    }
    giveTo(f, owner);
    ::fchmod(fd, mode);
    return f;
}

int nameUnnamed(std::FILE* f, const fs::path& name) {
    const std::string self = "/proc/self/fd/" + std::to_string(::fileno(f));
    return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0 ? 0
                                                                                            : errno;
}
#else
std::FILE* openUnnamed(const fs::path&, const std::optional<fs::perms>&,
                       const std::optional<Owner>&, int& err) {
    err = -1;
    return nullptr;
}

int nameUnnamed(std::FILE*, const fs::path&) {
    return EINVAL;
}
#endif

void syncFolder(const fs::path& folder) {
    if (const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace courtlog::os
