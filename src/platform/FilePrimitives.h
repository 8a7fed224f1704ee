#pragma once

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <optional>

// The operating system's own file calls, where the standard library has none. One backend a
// system: PosixFiles.cpp or WindowsFiles.cpp. Failures are told as errno values, which the
// callers turn into reasons.
namespace courtlog::os {

// The errno value of a path that is there but names no file (a pipe, a device, a socket, a
// loop of symbolic links); negative, so that no system value is taken for it.
inline constexpr int kNotAFile = -2;

// Opens a file for reading, or for reading and writing, only if it is a regular file when it
// is opened, without ever waiting on it: a path that became a pipe since it was looked at
// fails rather than blocks. With refuseLinks, a link there is no file either. Nothing, with
// errno set, when it cannot.
std::FILE* openRegularFile(const std::filesystem::path& path, bool update, bool refuseLinks);

// A new file opened for writing, or nothing (errno EEXIST) when the name is taken.
std::FILE* createNew(const std::filesystem::path& path);

// Puts from in the place of to, replacing the file there; 0 or the errno value.
int moveOver(const std::filesystem::path& from, const std::filesystem::path& to);

// Something that opens without being a file or a folder although the standard library finds
// nothing there: a device (NUL, CON, COM1) or a pipe on Windows. Elsewhere those are seen.
bool opensAsDevice(const std::filesystem::path& path);

// Whether the file at the path, not followed, is of the user who runs the program. Windows is
// not asked whose it is: its folders of user data are the user's alone.
bool ownedByUser(const std::filesystem::path& path);

// Cuts an open file to size bytes; writes what it holds through to the disk.
bool cutTo(std::FILE* f, std::size_t size);
bool syncToDisk(std::FILE* f);

// 0 when the user may write the file, otherwise the errno value. Where the system only has
// the read-only mark, which the permissions already show, always 0.
int writeAccess(const std::filesystem::path& path);

// The owner and group of a file, where the system has them.
struct Owner {
    unsigned long uid = 0, gid = 0;
};
std::optional<Owner> ownerOf(const std::filesystem::path& path);
// Gives an open file to that owner where the system allows it (a program run by root);
// anyone else keeps it as their own.
void giveTo(std::FILE* f, const std::optional<Owner>& owner);

// A new file without a name in the folder, open for writing, with the permissions given or
// those of a new file, and the owner given. Nothing when it cannot be made, with err the errno
// value, or -1 where the system or the folder's file system has no such files.
std::FILE* openUnnamed(const std::filesystem::path& folder,
                       const std::optional<std::filesystem::perms>& perms,
                       const std::optional<Owner>& owner, int& err);
// Gives the file openUnnamed made a name; 0, EEXIST when the name is taken, or the errno value.
int nameUnnamed(std::FILE* f, const std::filesystem::path& name);

// Puts the folder's list of names on disk, so that a name just given survives a power cut.
void syncFolder(const std::filesystem::path& folder);

}  // namespace courtlog::os
