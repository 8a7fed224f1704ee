// The file primitives of Windows, through its own calls where the C library of MinGW programs
// (msvcrt.dll) falls short.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cerrno>
#include <cstdint>

#include "platform/FilePrimitives.h"

namespace courtlog::os {

namespace fs = std::filesystem;

namespace {

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

}  // namespace

std::FILE* openRegularFile(const fs::path& path, bool update, bool refuseLinks) {
    // A file being written over is not for others to write or remove meanwhile.
    const HANDLE h = ::CreateFileW(
        path.c_str(), GENERIC_READ | (update ? GENERIC_WRITE : 0),
        update ? FILE_SHARE_READ : FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | (refuseLinks ? FILE_FLAG_OPEN_REPARSE_POINT : 0),
        nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        errno = errnoOf(::GetLastError());
        return nullptr;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileType(h) != FILE_TYPE_DISK ||
        (refuseLinks && (!::GetFileInformationByHandle(h, &info) ||
                         (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0))) {
        ::CloseHandle(h);
        errno = kNotAFile;
        return nullptr;
    }
    return update ? streamOf(h, _O_RDWR | _O_BINARY, "r+b")
                  : streamOf(h, _O_RDONLY | _O_BINARY, "rb");
}

std::FILE* createNew(const fs::path& path) {
    // msvcrt.dll knows no "x" mode.
    const HANDLE h = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        errno = errnoOf(::GetLastError());
        return nullptr;
    }
    return streamOf(h, _O_WRONLY | _O_BINARY, "wb");
}

int moveOver(const fs::path& from, const fs::path& to) {
    // rename() never replaces a file on Windows; this does, and is on disk when it returns.
    return ::MoveFileExW(from.c_str(), to.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? 0
               : errnoOf(::GetLastError());
}

bool opensAsDevice(const fs::path& path) {
    const HANDLE h =
        ::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        return ::GetLastError() == ERROR_PIPE_BUSY;
    }
    ::CloseHandle(h);
    return true;
}

bool ownedByUser(const fs::path&) {
    return true;
}

bool cutTo(std::FILE* f, std::size_t size) {
    return _chsize_s(_fileno(f), static_cast<__int64>(size)) == 0;
}

bool syncToDisk(std::FILE* f) {
    return _commit(_fileno(f)) == 0;
}

int writeAccess(const fs::path&) {
    return 0;
}

std::optional<Owner> ownerOf(const fs::path&) {
    return std::nullopt;
}

void giveTo(std::FILE*, const std::optional<Owner>&) {}

std::FILE* openUnnamed(const fs::path&, const std::optional<fs::perms>&,
                       const std::optional<Owner>&, int& err) {
    err = -1;
    return nullptr;
}

int nameUnnamed(std::FILE*, const fs::path&) {
    return EINVAL;
}

// MoveFileExW with MOVEFILE_WRITE_THROUGH has already put the new name on disk.
void syncFolder(const fs::path&) {}

}  // namespace courtlog::os
