// Reading and replacing files, also on disks that fail: the old file, the match and its
// saved state must survive.
#include "storage/FileAccess.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "storage/MatchLoading.h"
#include "support/Harness.h"
#include "support/TempDir.h"

namespace courtlog {
namespace {

namespace fs = std::filesystem;
using namespace testing;

// A save replaces only its target, keeping its permissions, goes through a link to it, never
// over a file in read-only mode, takes any name the file system takes, leaves nothing else in
// the folder and names each failure (a missing folder: the window's message test).
TEST(FileAccess, ReplacesOnlyTheTargetKeepingItsPermissionsAndNamesEachFailure) {
    TempDir dir;
    const std::string p = dir.file("Parità (Roma).clg"),
                      mine = dir.file(".Parità (Roma).clg.salvataggio-0.tmp");
    const auto perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    ASSERT_EQ(writeFileReplacing(p, "first version"), std::nullopt);
    fs::permissions(TempDir::path(p), perms);
    // Files of the user's beside the target, whatever their names, are never touched.
    TempDir::write(p + ".tmp", "mine");
    TempDir::write(mine, "mine too");
    // Also where the file system has no files without a name, in a named temporary file.
    gUseUnnamedFiles = false;
    EXPECT_EQ(writeFileReplacing(p, "second"), std::nullopt);
#ifndef _WIN32  // Windows keeps only a read-only mark
    EXPECT_EQ(fs::status(TempDir::path(p)).permissions() & fs::perms::all, perms);
#endif
    EXPECT_EQ(std::tuple(readFileStart(p, 100).bytes, TempDir::read(p + ".tmp"),
                         TempDir::read(mine), TempDir::entries(dir.file(""))),
              std::tuple("second", "mine", "mine too", 3));

    fs::create_directory(dir.file("folder.clg"));
    EXPECT_EQ(writeFileReplacing(dir.file("folder.clg"), "new"), "il percorso indica una cartella");
    // A pipe, a device or a loop of links is refused, and stays what it was.
#ifdef _WIN32
    EXPECT_EQ(writeFileReplacing("NUL", "new"), "il percorso non indica un file");
#else
    ASSERT_EQ(::mkfifo(dir.file("pipe.clg").c_str(), 0600), 0);
    fs::create_symlink("loop.clg", dir.file("loop.clg"));
    for (const char* special : {"pipe.clg", "loop.clg"}) {
        EXPECT_EQ(writeFileReplacing(dir.file(special), "new"), "il percorso non indica un file");
    }
    EXPECT_TRUE(fs::is_fifo(dir.file("pipe.clg")) && fs::is_symlink(dir.file("loop.clg")));
#endif

    const std::string m = dir.file("real/m.clg");
    fs::create_directory(dir.file("real"));
    TempDir::write(m, "old");
    // The name saved to gets the new contents; another hard link keeps the old ones.
    fs::create_hard_link(TempDir::path(m), TempDir::path(dir.file("hard.clg")));
#ifdef _WIN32  // links need a privilege there that users seldom have
    EXPECT_EQ(writeFileReplacing(m, "new"), std::nullopt);
#else
    // Saved by someone else, here root, the file keeps its owner and group.
    const bool root = ::geteuid() == 0;
    ASSERT_TRUE(!root || ::chown(m.c_str(), 65534, 65534) == 0);
    fs::create_symlink("real/m.clg", dir.file("link.clg"));
    EXPECT_EQ(writeFileReplacing(dir.file("link.clg"), "new"), std::nullopt);
    struct stat st {};
    ::stat(m.c_str(), &st);
    EXPECT_EQ(std::tuple(fs::is_symlink(dir.file("link.clg")), st.st_uid, st.st_gid),
              std::tuple(true, root ? 65534 : ::getuid(), root ? 65534 : ::getgid()));
    // A match the user opens is read through a link; the recovery files, which the program
    // keeps for itself, are not: the recovery's tests.
    EXPECT_EQ(readFileStart(dir.file("link.clg"), 9).bytes, "new");
#endif
    EXPECT_EQ(TempDir::read(m) + "|" + TempDir::read(dir.file("hard.clg")), "new|old");
    gUseUnnamedFiles = true;
    fs::permissions(m, fs::perms::owner_read);
    EXPECT_EQ(writeFileReplacing(m, "newer"), "il file è di sola lettura");
    EXPECT_EQ(TempDir::read(m), "new");

    // What saves killed midway left goes at the next save once a minute old; a younger one may
    // be a save at work, a name not quite of that kind is the user's, and another user's file
    // is theirs.
    for (const auto& [name, seconds] : {std::pair{".courtlog-0a1b2c3d.tmp", 61},
                                        {".courtlog-0a1b2c3.tmp", 61},
                                        {".courtlog-ZZZZZZZZ.tmp", 61},
                                        {".courtlog-young000.tmp", 50},
                                        {".courtlog-others00.tmp", 61}}) {
        TempDir::write(dir.file("real/") + name, "x");
        fs::last_write_time(TempDir::path(dir.file("real/") + name),
                            fs::file_time_type::clock::now() - std::chrono::seconds(seconds));
    }
    int kept = 5;
#ifndef _WIN32
    kept += root && ::chown(dir.file("real/.courtlog-others00.tmp").c_str(), 4242, 4242) == 0;
#endif
    const std::string longest(251, 'x');  // with ".clg", the most a name may have here
    EXPECT_EQ(writeFileReplacing(dir.file("real/" + longest + ".clg"), "m"), std::nullopt);
    EXPECT_EQ(writeFileReplacing(dir.file("real/" + longest + ".clg"), "again"), std::nullopt);
    // The two files and the three that are not leftovers, and nothing else, are in the folder.
    EXPECT_EQ(std::tuple(TempDir::entries(dir.file("real")),
                         fs::exists(dir.file("real/.courtlog-0a1b2c3d.tmp")), TempDir::read(m),
                         TempDir::read(dir.file("real/" + longest + ".clg"))),
              std::tuple(kept, false, "new", "again"));
}

#ifndef _WIN32  // another user, and a device that fails partway, are made with fork
// Whether body succeeds in a child: as nobody when the test runs as root, or on a device that
// takes 1000 bytes and refuses the rest.
bool inChild(const std::function<bool()>& body, bool onSmallDevice = false) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        const rlimit small{1000, 1000};
        if (onSmallDevice) {
            ::signal(SIGXFSZ, SIG_IGN);
            ::setrlimit(RLIMIT_FSIZE, &small);
        } else if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            ::_exit(2);
        }
        ::_exit(!body());
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// In a folder the user may not write, or a sticky one where the file is someone else's, a file
// the user may write is written over in place; one that is not there cannot be made. A write
// that fails partway puts the old bytes back.
TEST(FileAccess, WritesInPlaceWhereNoFileMayBeMadeAndPutsTheOldBytesBackOnFailure) {
    TempDir dir;
    const bool root = ::geteuid() == 0;
    for (const auto& [folderMode, ownedBySaver] :
         {std::pair(0555, true), std::pair(01777, false)}) {
        SCOPED_TRACE(folderMode);
        const std::string folder = dir.file(std::to_string(folderMode)), m = folder + "/m.clg";
        fs::create_directory(folder);
        TempDir::write(m, "old");
        ASSERT_EQ(::chmod(m.c_str(), 0666), 0);
        ASSERT_TRUE(!root || !ownedBySaver || ::chown(m.c_str(), 65534, 65534) == 0);
        ASSERT_EQ(::chmod(folder.c_str(), folderMode), 0);
        EXPECT_TRUE(inChild([&] {
            return writeFileReplacing(m, "new") == std::nullopt &&
                   (folderMode != 0555 ||
                    writeFileReplacing(folder + "/x.clg", "x") == "accesso negato");
        }));
        EXPECT_EQ(std::tuple(TempDir::read(m), TempDir::entries(folder)), std::tuple("new", 1));
    }

    const std::string m = dir.file("m.clg"), old(500, 'o');
    TempDir::write(m, old);
    EXPECT_TRUE(
        inChild([&] { return writeFileInPlace(m, std::string(5000, 'n')).has_value(); }, true));
    EXPECT_EQ(TempDir::read(m), old);
}

TEST(FailingDevice, WritesThatFailLeaveTheOldFileAndTheMatchUnsavedAndSayTheRecoveryFile) {
    TempDir dir;
    const std::string path = dir.file("match.clg");
    Harness h;
    const auto save = [&] {
        h.platform.saveChoices.push_back({path, "match.clg"});
        h.form.FileSave_Click();
    };
    const auto pointsInFile = [&] { return loadMatchFile(path).record.points.size(); };
    h.play("AAB");
    save();
    for (int k = 0; k < 900; ++k) {  // 900 more points make a file of a few kilobytes
        h.play(k % 2 ? "B" : "A");
    }

    // On the small device a file larger than the write buffer comes up short in the write
    // itself; a smaller one only fails when flushed.
    for (const bool big : {false, true}) {
        // The child saves on the device and tells whether it saw the failure.
        EXPECT_TRUE(inChild(
            [&] {
                if (big) {
                    h.rename(0, std::string(5000, 'x'));
                }
                save();
                return h.platform.messages.size() == 1 && !h.session().saved();
            },
            true))
            << (big ? "short write" : "failed flush") << " not reported, or counted as saved";
        // The old file stays, and nothing else is left.
        EXPECT_EQ(std::tuple(pointsInFile(), TempDir::entries(dir.file(""))), std::tuple(3u, 1));
    }

    // A later save goes through.
    save();
    EXPECT_EQ(std::tuple(h.session().saved(), pointsInFile()), std::tuple(true, 903u));

    // A recovery file on a full disk is said in the notice, in no box, until a write works.
    EXPECT_TRUE(inChild(
        [&] {
            Harness w;
            w.platform.recovery = dir.file("");
            w.form.Form_Activate("");
            w.rename(0, std::string(5000, 'x'));
            const std::string said = w.form.view().Avviso.text().italian();
            w.rename(0, "Sinner");
            return said.starts_with("Impossibile scrivere il file di ripristino ") &&
                   w.platform.messages.empty() && w.form.view().Avviso.text().empty();
        },
        true));
}
#endif

}  // namespace
}  // namespace courtlog
