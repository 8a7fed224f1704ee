// Saving onto disks that fail: the old file, the match and its saved state must survive.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <iterator>
#include <memory>

#include "storage/MatchFile.h"
#include "support/Harness.h"
#include "support/TempDir.h"

namespace courtlog {
namespace {

using testing::Harness;
using testing::TempDir;

void save(Harness& h, const std::string& path) {
    h.platform.saveChoices.push_back({path, "match.clg"});
    h.form.FileSave_Click();
}

// Deuce after deuce: the game never ends and the file grows to a few kilobytes.
void playLongMatch(Harness& h) {
    for (int k = 0; k < 900; ++k) {
        h.record(k % 2);
    }
}

void expectLoadable(const std::string& path, int points) {
    Harness other;
    EXPECT_TRUE(other.form.loadMatch(path));
    EXPECT_EQ(other.form.PointCount, points);
}

// A small file system of its own, mounted for this test; skipped where mounting is not allowed.
TEST(SmallDisk, FullThenReadOnly) {
    TempDir dir;
    const std::string disk = dir.file("disk");
    const std::string path = disk + "/match.clg";
    std::filesystem::create_directory(disk);
    if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=16k") != 0) {
        GTEST_SKIP() << "cannot mount a small file system here";
    }
    const std::unique_ptr<const char, int (*)(const char*)> unmount(disk.c_str(), ::umount);
    Harness h;
    h.play("AAB");
    save(h, path);
    ASSERT_TRUE(h.form.MatchSaved);
    playLongMatch(h);
    const auto expectRefused = [&](const std::string& reason) {
        h.platform.messages.clear();
        save(h, path);
        EXPECT_EQ(h.platform.texts(),
                  std::vector<std::string>{"Impossibile salvare il file match.clg: " + reason});
        EXPECT_FALSE(h.form.MatchSaved);
        EXPECT_EQ(h.form.PointCount, 903);
        expectLoadable(path, 3);
        // Nothing is left behind but the files that were there.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(disk), {}),
                  std::filesystem::exists(disk + "/filler") ? 2 : 1);
    };
    TempDir::write(disk + "/filler", std::string(16 * 1024 - 1500, 'x'));
    expectRefused("spazio su disco esaurito");
    std::filesystem::remove(disk + "/filler");
    EXPECT_EQ(::mount("tmpfs", disk.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=16k"), 0);
    expectRefused("il disco è di sola lettura");
}

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

TEST(FailingDevice, WritesThatFailOrAreKilledMidway) {
    TempDir dir;
    const std::string path = dir.file("match.clg");
    Harness h;
    h.play("ABA");
    save(h, path);
    playLongMatch(h);

    // The device takes 1000 bytes and refuses the rest.
    int status = inChildWithFileLimit(1000, false, [&] {
        save(h, path);
        const auto& m = h.platform.messages;
        const bool reported =
            m.size() == 1 && m[0].text.rfind("Impossibile salvare il file match.clg: ", 0) == 0;
        return reported && !h.form.MatchSaved ? 0 : 1;
    });
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "not reported, or the match counted as saved";
    expectLoadable(path, 3);

    // The process dies in the middle of writing, as on a crash or a power cut.
    status = inChildWithFileLimit(700, true, [&] {
        save(h, path);
        return 0;
    });
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
    expectLoadable(path, 3);

    // A later save goes through, over whatever the dead one left behind.
    save(h, path);
    EXPECT_TRUE(h.form.MatchSaved);
    expectLoadable(path, 903);
}

}  // namespace
}  // namespace courtlog
