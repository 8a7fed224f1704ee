// Saving onto disks that fail: the old file, the match and its saved state must survive.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "storage/MatchFile.h"
#include "support/Harness.h"
#include "support/TempDir.h"

namespace courtlog {
namespace {

using testing::Harness;
using testing::TempDir;

// A match long enough that its file takes a few kilobytes.
void playLongMatch(Harness& h) {
    for (int k = 0; k < 900; ++k) {
        h.record(k % 2);  // deuce after deuce: the game never ends
    }
}

// The file at path holds a match of this many points and can be loaded.
void expectLoadable(const std::string& path, std::size_t points) {
    const DecodedMatch d = decodeMatch(TempDir::read(path));
    EXPECT_EQ(d.fatalError, 0);
    EXPECT_EQ(d.match.points.size(), points);
    Harness other;
    EXPECT_TRUE(other.form.loadMatch(path));
    EXPECT_EQ(other.form.PointCount, static_cast<int>(points));
}

// A small file system of its own, mounted for one test; skipped where mounting is not allowed.
class SmallDisk : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = dir.file("disk");
        std::filesystem::create_directory(dir_);
        if (::mount("tmpfs", dir_.c_str(), "tmpfs", 0, "size=16k") != 0) {
            GTEST_SKIP() << "cannot mount a small file system here";
        }
        mounted_ = true;
    }
    void TearDown() override {
        if (mounted_) {
            ::umount(dir_.c_str());
        }
    }
    std::string file(const std::string& name) const { return dir_ + "/" + name; }
    void makeReadOnly() {
        ASSERT_EQ(::mount("tmpfs", dir_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=16k"), 0);
    }

    TempDir dir;
    std::string dir_;
    bool mounted_ = false;
};

TEST_F(SmallDisk, DiskThatFillsUpMidway) {
    Harness h;
    h.play("AAB");
    h.platform.saveChoices.push_back({file("match.clg"), "match.clg"});
    h.form.FileSave_Click();
    ASSERT_TRUE(h.form.MatchSaved);

    // Fill the disk until only a little room is left, then save a longer match.
    TempDir::write(file("filler"), std::string(16 * 1024 - 1500, 'x'));
    playLongMatch(h);
    h.platform.saveChoices.push_back({file("match.clg"), "match.clg"});
    h.form.FileSave_Click();
    ASSERT_EQ(h.platform.messages.size(), 1u);
    EXPECT_EQ(h.platform.messages[0].text,
              "Impossibile salvare il file match.clg: spazio su disco esaurito");
    EXPECT_FALSE(h.form.MatchSaved);
    EXPECT_EQ(h.form.PointCount, 903);
    expectLoadable(file("match.clg"), 3);
    EXPECT_FALSE(std::filesystem::exists(file("match.clg.tmp")));
}

TEST_F(SmallDisk, ReadOnlyDisk) {
    Harness h;
    h.play("AB");
    h.platform.saveChoices.push_back({file("match.clg"), "match.clg"});
    h.form.FileSave_Click();
    makeReadOnly();
    h.play("A");
    h.platform.saveChoices.push_back({file("match.clg"), "match.clg"});
    h.form.FileSave_Click();
    ASSERT_EQ(h.platform.messages.size(), 1u);
    EXPECT_EQ(h.platform.messages[0].text,
              "Impossibile salvare il file match.clg: il disco è di sola lettura");
    EXPECT_FALSE(h.form.MatchSaved);
    expectLoadable(file("match.clg"), 2);
}

// Runs body in a child process with files limited to limit bytes; returns its wait status.
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

TEST(FailingDevice, WritesThatFailAfterSomeBytes) {
    TempDir dir;
    const std::string path = dir.file("match.clg");
    Harness h;
    h.play("AB");
    h.platform.saveChoices.push_back({path, "match.clg"});
    h.form.FileSave_Click();
    playLongMatch(h);

    // The device takes 1000 bytes and refuses the rest.
    const int status = inChildWithFileLimit(1000, false, [&] {
        h.platform.saveChoices.push_back({path, "match.clg"});
        h.form.FileSave_Click();
        const bool reported =
            h.platform.messages.size() == 1 &&
            h.platform.messages[0].text.rfind("Impossibile salvare il file match.clg: ", 0) == 0;
        return reported && !h.form.MatchSaved ? 0 : 1;
    });
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the failure was not reported, or the match was "
                                         "counted as saved";
    expectLoadable(path, 2);
}

TEST(FailingDevice, SaveKilledMidway) {
    TempDir dir;
    const std::string path = dir.file("match.clg");
    Harness h;
    h.play("ABA");
    h.platform.saveChoices.push_back({path, "match.clg"});
    h.form.FileSave_Click();
    playLongMatch(h);

    // The process dies in the middle of writing, as on a crash or a power cut.
    const int status = inChildWithFileLimit(700, true, [&] {
        h.platform.saveChoices.push_back({path, "match.clg"});
        h.form.FileSave_Click();
        return 0;
    });
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
    expectLoadable(path, 3);

    // A later save goes through, over whatever the dead one left behind.
    h.platform.saveChoices.push_back({path, "match.clg"});
    h.form.FileSave_Click();
    EXPECT_TRUE(h.form.MatchSaved);
    expectLoadable(path, 903);
}

}  // namespace
}  // namespace courtlog
