// Nothing recorded is lost without a question: edits of recorded points count as changes, and
// a failed save at closing keeps the match.
#include <gtest/gtest.h>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <sys/stat.h>
#endif

#include <algorithm>
#include <filesystem>

#include "storage/FileAccess.h"
#include "storage/MatchFile.h"
#include "support/Harness.h"
#include "support/TempDir.h"

namespace courtlog {
namespace {

TEST(KeepingTheMatch, AnEditWhileSteppingIsAChangeAndAFailedSaveAtCloseKeepsIt) {
    testing::TempDir dir;
    MatchRecord m;
    m.points = {0, 1, 0};
    testing::TempDir::write(dir.file("m.clg"), encodeMatch(m));
    testing::Harness h;
    ASSERT_TRUE(h.form.loadMatch(dir.file("m.clg")));
    h.form.GameUndo_Click();
    h.form.SelectOption(Panel::DirittoRovescio, 0);  // as stored: no change
    EXPECT_TRUE(h.form.MatchSaved);
    h.form.SelectOption(Panel::Colpo, 3);
    EXPECT_EQ(EstraiInfo(h.form.PointInfo[2], Attr::Colpo), 3);
    EXPECT_FALSE(h.form.MatchSaved);

    h.platform.saveChoices.push_back({dir.file("nowhere/m.clg"), "m.clg"});
    EXPECT_FALSE(h.form.Form_Unload());
    EXPECT_EQ(h.platform.messages.back(),
              "Impossibile salvare il file m.clg: la cartella non esiste");
    EXPECT_FALSE(h.form.MatchSaved);
    EXPECT_TRUE(h.form.Form_Unload());  // the save dialog cancelled: the window goes
}

// Anything but a regular file is refused at once, as a folder is; a pipe would block for ever.
TEST(KeepingTheMatch, OnlyRegularFilesLoadAndNoPointIsDroppedInSilence) {
    testing::TempDir dir;
#ifdef _WIN32
    const std::string pipe = "\\\\.\\pipe\\courtlog-" + std::to_string(::GetCurrentProcessId());
    const HANDLE server =
        ::CreateNamedPipeA(pipe.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE, 1, 0, 0, 0, nullptr);
    ASSERT_NE(server, INVALID_HANDLE_VALUE);
    for (const std::string& path : {pipe, std::string("NUL")}) {
#else
    ASSERT_EQ(::mkfifo(dir.file("pipe.clg").c_str(), 0600), 0);
    for (const std::string& path : {dir.file("pipe.clg"), std::string("/dev/zero")}) {
#endif
        testing::Harness h;
        h.play("AB");
        EXPECT_FALSE(h.form.loadMatch(path));
        EXPECT_EQ(h.platform.messages,
                  std::vector<std::string>{"Errore 75 durante il processo di apertura file."});
        EXPECT_EQ(h.form.PointCount, 2);
    }
#ifdef _WIN32
    ::CloseHandle(server);
#endif

    MatchRecord m;
    m.points.assign(kMaxPoints, 0);
    std::string bytes = encodeMatch(m);
    bytes += std::string(6, '\0');  // three words more than a match holds
    testing::TempDir::write(dir.file("long.clg"), bytes);
    testing::Harness h;
    ASSERT_TRUE(h.form.loadMatch(dir.file("long.clg")));
    EXPECT_EQ(h.form.PointCount, kMaxPoints);
    EXPECT_EQ(h.platform.messages,
              std::vector<std::string>{
                  "Il file contiene 3 punti oltre il limite di 1000: non sono stati caricati."});
}

// A save goes through a link to its file, never over a file in read-only mode, takes any name
// the file system takes, and leaves nothing else in the folder.
TEST(KeepingTheMatch, SavesKeepTheirPromises) {
    namespace fs = std::filesystem;
    testing::TempDir dir;
    fs::create_directory(dir.file("real"));
#ifdef _WIN32  // links need a privilege there that users seldom have
    testing::TempDir::write(dir.file("real/m.clg"), "old");
    EXPECT_EQ(writeFileReplacing(dir.file("real/m.clg"), "new"), std::nullopt);
#else
    testing::TempDir::write(dir.file("real/m.clg"), "old");
    fs::create_symlink("real/m.clg", dir.file("link.clg"));
    EXPECT_EQ(writeFileReplacing(dir.file("link.clg"), "new"), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(dir.file("link.clg")));
#endif
    EXPECT_EQ(testing::TempDir::read(dir.file("real/m.clg")), "new");

    fs::permissions(dir.file("real/m.clg"), fs::perms::owner_read);
    EXPECT_EQ(writeFileReplacing(dir.file("real/m.clg"), "newer"), "il file è di sola lettura");
    EXPECT_EQ(testing::TempDir::read(dir.file("real/m.clg")), "new");

    const std::string longest(251, 'x');  // with ".clg", the most a name may have here
    EXPECT_EQ(writeFileReplacing(dir.file("real/" + longest + ".clg"), "m"), std::nullopt);
    EXPECT_EQ(writeFileReplacing(dir.file("real/" + longest + ".clg"), "again"), std::nullopt);
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir.file("real"))) {
        names.push_back(e.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"m.clg", longest + ".clg"}));
}

}  // namespace
}  // namespace courtlog
