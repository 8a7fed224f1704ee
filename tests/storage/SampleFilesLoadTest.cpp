#include <gtest/gtest.h>

#include <filesystem>

#include "support/Harness.h"

namespace courtlog {
namespace {

// The samples, and every regression file a fuzzing run kept, load and replay without harm;
// a file that cannot be used leaves the empty window as it was.
TEST(DataFiles, EveryFileLoadsOrIsRefusedCleanly) {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(COURTLOG_DATA_DIR)) {
        if (entry.path().extension() != ".clg") {
            continue;
        }
        ++files;
        SCOPED_TRACE(entry.path().filename().string());
        testing::Harness h;
        h.form.Form_Load();
        if (h.form.loadMatch(entry.path().string())) {
            EXPECT_LE(h.form.PointCount, kMaxPoints);
            h.form.GameStart_Click();
            h.form.GameEnd_Click();
            EXPECT_EQ(h.form.CurrentPoint, h.form.PointCount);
        } else {
            EXPECT_EQ(h.form.PointCount, 0);
            EXPECT_EQ(h.platform.messages.size(), 1u);
        }
    }
    EXPECT_GE(files, 4);
}

}  // namespace
}  // namespace courtlog
