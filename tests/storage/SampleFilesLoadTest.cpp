#include <gtest/gtest.h>

#include <filesystem>

#include "support/Harness.h"

namespace courtlog {
namespace {

// The samples, and every file a fuzzing run kept (whatever its name), load and replay without
// harm; a file that cannot be used leaves the empty window as it was.
TEST(DataFiles, EveryFileLoadsOrIsRefusedCleanly) {
    int files = 0;
    for (const std::string folder : {COURTLOG_DATA_DIR, COURTLOG_DATA_DIR "/fuzz"}) {
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            const std::string name = entry.path().filename().string();
            if (!name.ends_with(".clg") && (!folder.ends_with("fuzz") || name.starts_with("."))) {
                continue;  // neither a sample nor a finding, such as the folder's placeholder
            }
            ++files;
            SCOPED_TRACE(name);
            testing::Harness h;
            h.form.Form_Load();
            if (h.form.loadMatch(entry.path().string())) {
                h.form.GameStart_Click();
                h.form.GameEnd_Click();
                EXPECT_EQ(h.form.points().current(), h.form.points().count());
            } else {
                EXPECT_EQ(h.form.points().count(), 0);
                EXPECT_EQ(h.platform.messages.size(), 1u);
            }
        }
    }
    EXPECT_GE(files, 4);
}

}  // namespace
}  // namespace courtlog
