// Reading and replacing files, also on disks that fail: the old file, the match and its
// saved state must survive.
#include "storage/FileAccess.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <filesystem>
#include <iterator>

#include "storage/MatchFile.h"
#include "support/Harness.h"
#include "support/TempDir.h"

namespace courtlog {
namespace {

namespace fs = std::filesystem;
using testing::Harness;
using testing::TempDir;

TEST(FileAccess, ReplacesOnlyTheTargetKeepingItsPermissionsAndNamesEachFailure) {
    TempDir dir;
    const std::string p = dir.file("Parità (Roma).clg");
    const std::string mine = dir.file(".Parità (Roma).clg.salvataggio-0.tmp");
    const auto perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    ASSERT_EQ(writeFileReplacing(p, "first version"), std::nullopt);
    fs::permissions(TempDir::path(p), perms);
    // Files of the user's beside the target, whatever their names, are never touched.
    TempDir::write(p + ".tmp", "mine");
    TempDir::write(mine, "mine too");
    EXPECT_EQ(writeFileReplacing(p, "second"), std::nullopt);
    EXPECT_EQ(readFileStart(p, 100).bytes, "second");
#ifndef _WIN32  // Windows keeps only a read-only mark
    EXPECT_EQ(fs::status(TempDir::path(p)).permissions() & fs::perms::all, perms);
#endif
    EXPECT_EQ(readFileStart(p + ".tmp", 100).bytes + readFileStart(mine, 100).bytes,
              "minemine too");
    EXPECT_EQ(std::distance(fs::directory_iterator(TempDir::path(p).parent_path()), {}), 3);

    fs::create_directory(dir.file("folder.clg"));
    EXPECT_EQ(readFileStart(dir.file("missing.clg"), 10).error, LoadError::NotFound);
    EXPECT_EQ(readFileStart(dir.file("nofolder/missing.clg"), 10).error, LoadError::NoFolder);
    EXPECT_EQ(readFileStart(dir.file("folder.clg"), 10).error, LoadError::Unreachable);
    EXPECT_EQ(writeFileReplacing(dir.file("nofolder/x.clg"), "new"), "la cartella non esiste");
    EXPECT_EQ(writeFileReplacing(dir.file("folder.clg"), "new"), "il percorso indica una cartella");
}

#ifndef _WIN32  // a device that fails partway is made with fork and a file-size limit
// Runs body in a child process whose files may not grow past limit bytes; returns its status.
template <class Body>
int inChildWithFileLimit(rlim_t limit, bool dieOnLimit, Body body) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::signal(SIGXFSZ, dieOnLimit ? SIG_DFL : SIG_IGN);
        const rlimit r{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &r);
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return status;
}

void save(Harness& h, const std::string& path) {
    h.platform.saveChoices.push_back({path, "match.clg"});
    h.form.FileSave_Click();
}

void expectLoadable(const std::string& path, int points) {
    Harness other;
    EXPECT_TRUE(other.form.loadMatch(path));
    EXPECT_EQ(other.form.PointCount, points);
}

TEST(FailingDevice, WritesThatFailLeaveTheOldFileAndTheMatchUnsaved) {
    TempDir dir;
    const std::string path = dir.file("match.clg");
    Harness h;
    h.play("AAB");
    save(h, path);
    for (int k = 0; k < 900; ++k) {  // 900 more points make a file of a few kilobytes
        h.play(k % 2 ? "B" : "A");
    }

    // The device takes 1000 bytes and refuses the rest. A file larger than the write buffer
    // comes up short in the write itself; a smaller one only fails when flushed.
    for (const bool big : {false, true}) {
        const int status = inChildWithFileLimit(1000, false, [&] {
            if (big) {
                h.rename(0, std::string(5000, 'x'));
            }
            save(h, path);
            return h.platform.messages.size() == 1 && !h.form.MatchSaved;
        });
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1)
            << (big ? "short write" : "failed flush") << " not reported, or counted as saved";
        expectLoadable(path, 3);
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.file("")), {}), 1);  // nothing left
    }

    // A later save goes through.
    save(h, path);
    EXPECT_TRUE(h.form.MatchSaved);
    expectLoadable(path, 903);
}
#endif

}  // namespace
}  // namespace courtlog
