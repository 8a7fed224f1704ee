#include "storage/FileAccess.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "storage/MatchFile.h"

namespace courtlog {
namespace {

namespace fs = std::filesystem;

class FileAccess : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("courtlog-files-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(dir_, fs::perms::owner_all, ec);
        fs::remove_all(dir_, ec);
    }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    fs::path dir_;
};

TEST_F(FileAccess, WritesReplacesAndReadsBack) {
    const std::string p = path("Parità (Roma).clg");
    EXPECT_EQ(writeFileReplacing(p, "first version"), "");
    EXPECT_EQ(writeFileReplacing(p, "second"), "");
    const ReadOutcome r = readFileStart(p, 100);
    EXPECT_EQ(r.error, 0);
    EXPECT_EQ(r.bytes, "second");
    EXPECT_EQ(readFileStart(p, 3).bytes, "sec");
    EXPECT_FALSE(fs::exists(p + ".tmp"));
    EXPECT_EQ(fileTitleOf(p), "Parità (Roma).clg");
}

TEST_F(FileAccess, ReadFailuresHaveTheirNumbers) {
    EXPECT_EQ(readFileStart(path("missing.clg"), 10).error, load_error::NotFound);
    EXPECT_EQ(readFileStart(path("nofolder/missing.clg"), 10).error, load_error::NoFolder);
    fs::create_directory(path("folder.clg"));
    EXPECT_EQ(readFileStart(path("folder.clg"), 10).error, load_error::Unreachable);
}

TEST_F(FileAccess, FailedWriteLeavesTheOldFile) {
    const std::string p = path("match.clg");
    ASSERT_EQ(writeFileReplacing(p, "old"), "");
    EXPECT_EQ(writeFileReplacing(path("nofolder/x.clg"), "new"), "la cartella non esiste");
    fs::create_directory(path("folder.clg"));
    EXPECT_EQ(writeFileReplacing(path("folder.clg"), "new"), "il percorso indica una cartella");

    // A temporary name that cannot be created stops the save before the old file is touched.
    fs::create_directory(p + ".tmp");
    EXPECT_NE(writeFileReplacing(p, "new"), "");
    EXPECT_EQ(readFileStart(p, 100).bytes, "old");
}

TEST_F(FileAccess, ReadOnlyFolderWhenPermissionsApply) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind the superuser";
    }
    const std::string p = path("match.clg");
    ASSERT_EQ(writeFileReplacing(p, "old"), "");
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(writeFileReplacing(p, "new"), "accesso negato");
    EXPECT_EQ(readFileStart(p, 100).bytes, "old");
    fs::permissions(dir_, fs::perms::owner_all);
    fs::permissions(p, fs::perms::none);
    EXPECT_EQ(readFileStart(p, 100).error, load_error::AccessDenied);
}

}  // namespace
}  // namespace courtlog
