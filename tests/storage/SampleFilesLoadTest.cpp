#include <gtest/gtest.h>

#include <filesystem>

#include "support/Harness.h"

namespace courtlog {
namespace {

namespace fs = std::filesystem;

// The samples, and every file a fuzzing run kept (whatever its name), load and replay without
// harm; a file that cannot be used leaves the empty window as it was.
TEST(DataFiles, EveryFileLoadsOrIsRefusedCleanly) {
    std::vector<fs::path> files;
    for (const std::string folder : {COURTLOG_DATA_DIR, COURTLOG_DATA_DIR "/fuzz"}) {
        for (const auto& entry : fs::directory_iterator(folder)) {
            const std::string name = entry.path().filename().string();
            if (name.ends_with(".clg") || (folder.ends_with("fuzz") && !name.starts_with("."))) {
                files.push_back(entry.path());
            }
        }
    }
    EXPECT_GE(files.size(), 4u);
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.string());
        testing::Harness h;
        h.form.Form_Load();
        if (h.form.loadMatch(file.string())) {
            EXPECT_LE(h.form.PointCount, kMaxPoints);
            h.form.GameStart_Click();
            h.form.GameEnd_Click();
            EXPECT_EQ(h.form.CurrentPoint, h.form.PointCount);
        } else {
            EXPECT_EQ(h.form.PointCount, 0);
            EXPECT_EQ(h.platform.messages.size(), 1u);
        }
    }
}

}  // namespace
}  // namespace courtlog
