#include <gtest/gtest.h>

#include "storage/MatchFile.h"
#include "support/Harness.h"
#include "support/Snapshot.h"
#include "support/TempDir.h"

namespace courtlog {
namespace {

using testing::Harness;
using testing::snapshot;
using testing::TempDir;

TEST(MatchFileCommands, SaveThenLoadGivesTheSameMatchAndCancelledDialogsChangeNothing) {
    TempDir dir;
    const std::string path = dir.file("match.clg");
    Harness a;
    a.useThreeSets();
    a.useTieBreakRule(2);
    a.rename(1, "Stosur è");
    a.form.Turno.select(7);
    a.games("AAAAAB ABABABABAB");
    a.form.SelectOption(Panel::Colpo, 4);
    a.play("ABAB*!");
    a.form.GameUndo_Click();
    a.form.GameUndo_Click();  // the whole list is saved wherever the user stands
    const std::string before = snapshot(a.form);
    a.form.FileSave_Click();
    a.form.FileLoad_Click();
    EXPECT_EQ(a.platform.openDialogs, 1);
    EXPECT_EQ(snapshot(a.form), before);
    a.platform.saveChoices.push_back({path, "match.clg"});
    a.form.FileSave_Click();

    Harness b;
    b.form.Form_Load();
    b.platform.openChoices.push_back({path, "match.clg"});
    b.form.FileLoad_Click();
    EXPECT_TRUE(a.platform.messages.empty() && b.platform.messages.empty());
    EXPECT_EQ(encodeMatch(b.form.matchRecord()), encodeMatch(a.form.matchRecord()));
    EXPECT_TRUE(b.form.MatchInTreSet.checked() && b.form.TieBreakWhen[2].checked());
    EXPECT_TRUE(b.form.MatchSaved);
    a.form.GameEnd_Click();
    EXPECT_EQ(snapshot(b.form), snapshot(a.form));
}

TEST(MatchFileCommands, EndOfMatchQuestionSavesWithTheLastPoint) {
    TempDir dir;
    Harness h;
    h.useThreeSets();
    h.platform.messageAnswers = {MsgAnswer::Yes};
    h.platform.saveChoices.push_back({dir.file("final.clg"), "final.clg"});
    h.games("AAAAAA AAAAAA");
    EXPECT_TRUE(h.form.MatchSaved);
    EXPECT_EQ(decodeMatch(TempDir::read(dir.file("final.clg"))).match.points.size(), 48u);
}

// The file named at start-up replaces the match, and its number of sets wins over a five-set
// match already in its fourth set.
TEST(MatchFileCommands, StartUpOpensTheFileOnTheCommandLineQuotedOrNot) {
    TempDir dir;
    MatchRecord m;
    m.setsInMatch = 3;
    m.players = {"Pennetta", "Vinci"};
    m.points = {1, 1, 1};
    TempDir::write(dir.file("final.clg"), encodeMatch(m));
    for (const std::string& line : {"\"" + dir.file("final.clg") + "\"", dir.file("final.clg")}) {
        Harness h;
        h.games("AAAAAA BBBBBB AAAAAA B");
        h.form.Form_Activate(line);
        EXPECT_EQ(h.form.NomeGiocatore[0].caption(), "Pennetta");
        EXPECT_TRUE(h.form.MatchInTreSet.checked());
        EXPECT_EQ(h.board(), "0-0 0-40");
        EXPECT_TRUE(h.form.MatchFileName.empty());
    }
}

}  // namespace
}  // namespace courtlog
