#include "storage/FileAccess.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <iterator>

#include "storage/MatchFile.h"
#include "support/TempDir.h"

namespace courtlog {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

TEST(FileAccess, WritesReplacesAndReadsBack) {
    TempDir dir;
    const std::string p = dir.file("Parità (Roma).clg");
    EXPECT_EQ(writeFileReplacing(p, "first version"), "");
    EXPECT_EQ(writeFileReplacing(p, "second"), "");
    EXPECT_EQ(readFileStart(p, 100).bytes, "second");
    EXPECT_EQ(readFileStart(p, 3).bytes, "sec");
    EXPECT_EQ(std::distance(fs::directory_iterator(fs::path(p).parent_path()), {}), 1);
    EXPECT_EQ(fileTitleOf(p), "Parità (Roma).clg");
}

TEST(FileAccess, FailuresHaveTheirNumbersAndReasons) {
    TempDir dir;
    fs::create_directory(dir.file("folder.clg"));
    EXPECT_EQ(readFileStart(dir.file("missing.clg"), 10).error, load_error::NotFound);
    EXPECT_EQ(readFileStart(dir.file("nofolder/missing.clg"), 10).error, load_error::NoFolder);
    EXPECT_EQ(readFileStart(dir.file("folder.clg"), 10).error, load_error::Unreachable);
    EXPECT_EQ(writeFileReplacing(dir.file("nofolder/x.clg"), "new"), "la cartella non esiste");
    EXPECT_EQ(writeFileReplacing(dir.file("folder.clg"), "new"), "il percorso indica una cartella");

    // Files of the user's beside the target, whatever their names, are never touched, and the
    // saved file keeps the old one's permissions.
    const std::string p = dir.file("match.clg");
    ASSERT_EQ(writeFileReplacing(p, "old"), "");
    fs::permissions(p, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    TempDir::write(p + ".tmp", "mine");
    TempDir::write(dir.file(".match.clg.salvataggio-0.tmp"), "mine too");
    EXPECT_EQ(writeFileReplacing(p, "new"), "");
    EXPECT_EQ(readFileStart(p, 100).bytes, "new");
    EXPECT_EQ(readFileStart(p + ".tmp", 100).bytes, "mine");
    EXPECT_EQ(readFileStart(dir.file(".match.clg.salvataggio-0.tmp"), 100).bytes, "mine too");
    EXPECT_EQ(fs::status(p).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(FileAccess, PermissionsWhereTheyApply) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind the superuser";
    }
    TempDir dir;
    const std::string p = dir.file("match.clg");
    ASSERT_EQ(writeFileReplacing(p, "old"), "");
    const fs::path folder = fs::path(p).parent_path();
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(writeFileReplacing(p, "new"), "accesso negato");
    EXPECT_EQ(readFileStart(p, 100).bytes, "old");
    fs::permissions(folder, fs::perms::owner_all);
    fs::permissions(p, fs::perms::none);
    EXPECT_EQ(readFileStart(p, 100).error, load_error::AccessDenied);
}

}  // namespace
}  // namespace courtlog
