// Points tied to their moments in a video: the clip each stands for, the moments a session
// keeps through every edit, lining up a match charted with times, and the playlist of clips.
#include <gtest/gtest.h>

#include "form/Captions.h"
#include "support/Harness.h"
#include "support/MatchBuilder.h"
#include "support/TempDir.h"

namespace courtlog {
namespace {

using namespace testing;

constexpr std::int64_t N = kNoTime;

TEST(Video, ClipsRunFromTheLeadOrThePreviousPointToJustAfterThePoint) {
    const std::vector<std::int64_t> at = {10'000, 50'000, 60'000, N, 90'000, 80'000, 80'000};
    const std::int64_t lead = 25'000;
    const std::vector<std::optional<Clip>> clips = {
        Clip{0, 12'000},       // the lead reaches back past the start of the file
        Clip{25'000, 52'000},  // the lead alone: the previous point ended before it
        Clip{50'000, 62'000},  // from the end of the previous point
        std::nullopt,          // no moment
        Clip{65'000, 92'000},  // the previous point has none
        Clip{55'000, 82'000},  // marked out of order: the previous point ends after it
        Clip{55'000, 82'000},  // marked at the same moment as the previous point
        std::nullopt};         // past the last point
    for (int k = -1; k <= 7; ++k) {
        EXPECT_EQ(clipOf(at, k, lead), k < 0 ? std::nullopt : clips[k]) << k;
    }
    // Standing before point k, the video shows its clip from the start; at the end, the end of
    // the last point's clip.
    EXPECT_EQ((std::array{videoMomentAt(at, 2, lead), videoMomentAt(at, 3, lead),
                          videoMomentAt(at, 7, lead), videoMomentAt({}, 0, lead)}),
              (std::array<std::optional<std::int64_t>, 4>{50'000, {}, 82'000, {}}));
}

TEST(Video, PointsKeepTheirMomentsThroughEveryEditAndATimedMatchIsLinedUp) {
    FakePlatform player;
    MatchBuilder m({}, &player);
    MatchSession& s = m.session;
    m.play("A");  // before a video is open: no moment
    player.openVideo("/v/match.mp4");
    s.videoOpened("/v/match.mp4");
    EXPECT_EQ(std::tuple(s.video().file, undoCaptionOf(s.nextUndo()).italian()),
              std::tuple("/v/match.mp4", "Annulla video"));
    for (std::int64_t at : {20'000, 41'000, 63'000}) {
        player.video.position = at;
        m.play("B");
    }
    EXPECT_EQ(m.record().videoMs, (std::vector<std::int64_t>{N, 20'000, 41'000, 63'000}));

    // Recorded again over point 2: the moment it is recorded at.
    s.goTo(2);
    player.video.position = 45'000;
    m.play("A");
    EXPECT_EQ(m.record().videoMs, (std::vector<std::int64_t>{N, 20'000, 45'000, 63'000}));
    // Inserted before point 1: its own moment, and the points after keep theirs.
    s.goTo(1);
    player.video.position = 15'000;
    s.recordPoint(0, std::nullopt, [](int, bool) { return ResidualAnswer::Insert; });
    EXPECT_EQ(m.record().videoMs, (std::vector<std::int64_t>{N, 15'000, 20'000, 45'000, 63'000}));
    // Standing before point 2.
    EXPECT_EQ(std::tuple(s.clip(2, 25'000), s.videoMoment(25'000)),
              std::tuple(Clip{15'000, 22'000}, 15'000));
    // Undo gives the moments back with the points; a deleted point takes its own along.
    s.undo();
    EXPECT_EQ(m.record().videoMs, (std::vector<std::int64_t>{N, 20'000, 45'000, 63'000}));
    s.goTo(2);
    s.deletePoint();
    EXPECT_EQ(m.record().videoMs, (std::vector<std::int64_t>{N, 45'000, 63'000}));
    // With no video open a point recorded again keeps the moment it had.
    s.videoOpened("");
    s.goTo(1);
    m.play("B");
    EXPECT_EQ(m.record().videoMs, (std::vector<std::int64_t>{N, 45'000, 63'000}));
    // Opening the same video again is no change.
    s.videoOpened("/v/match.mp4");
    EXPECT_EQ(undoCaptionOf(s.nextUndo()).italian(), "Annulla sovrascrittura");

    // A match charted at the court, with times only, is lined up from one point and a point
    // marked by hand.
    MatchBuilder timed({}, &player);
    MatchSession& t = timed.session;
    for (std::int64_t at : {1'000'000, 1'030'000, 1'075'000}) {
        t.recordPoint(0, at, [](int, bool) { return ResidualAnswer::Overwrite; });
    }
    EXPECT_FALSE(t.alignVideo());  // no video open
    player.openVideo("/v/m.mkv");
    t.videoOpened("/v/m.mkv");
    t.goTo(0);  // no point shown
    EXPECT_EQ((std::array{t.alignVideo(), t.markVideo()}), (std::array{false, false}));
    // The second point ends 10 s into the recording: the first was played before it began.
    t.goTo(2);
    player.video.position = 10'000;
    ASSERT_TRUE(t.alignVideo());
    EXPECT_EQ(std::tuple(timed.record().videoMs, t.video().offsetMs,
                         undoCaptionOf(t.nextUndo()).italian()),
              std::tuple(std::vector<std::int64_t>{N, 10'000, 55'000}, -20'000, "Annulla video"));
    // One point set by hand wins over the line-up.
    t.goTo(3);
    player.video.position = 57'500;
    ASSERT_TRUE(t.markVideo());
    EXPECT_EQ(timed.record().videoMs, (std::vector<std::int64_t>{N, 10'000, 57'500}));
    t.undo();
    t.undo();
    EXPECT_EQ(std::tuple(timed.record().videoMs.empty(), t.video().offsetMs),
              std::tuple(true, std::nullopt));
}

TEST(Video, APlaylistPlaysEachClipAndStopsAfterTheLast) {
    FakePlatform player;
    VideoPlaylist list(player);
    list.play({});
    EXPECT_EQ(std::tuple(list.active(), player.video.playing), std::tuple(false, false));
    list.play({{4, {10'000, 20'000}}, {9, {50'000, 60'000}}, {12, {70'000, 75'000}}});
    EXPECT_TRUE(player.video.playing);
    // A position from before the seek is not the end of the clip; the second press of
    // "previous" starts the first again.
    EXPECT_EQ((std::array{list.moved(30'000), list.moved(15'000), list.moved(20'000),
                          list.clip().point == 9, list.previous(), list.previous(),
                          list.current() == 0, list.next(), list.next(), list.next()}),
              (std::array{false, false, true, true, true, true, true, true, true, false}));
    EXPECT_EQ(player.video.seeks,
              (std::vector<std::int64_t>{10'000, 50'000, 10'000, 10'000, 50'000, 70'000}));
    EXPECT_EQ(
        (std::array{list.moved(72'000), list.moved(75'000), list.active(), player.video.playing}),
        (std::array{false, true, false, false}));
    list.play({{1, {0, 5'000}}});
    list.stop();
    EXPECT_EQ((std::array{list.active(), list.next()}), (std::array{false, false}));
}

TEST(Video, AMatchChartedFromTheVideoFollowsItAndPlaysAnyListOfItsPoints) {
    Harness h;
    auto& video = h.platform.video;
    // A file the player cannot read is said, and nothing is tied to the match.
    video.refusal = "unrecognized file format";
    video.choices.push_back({"/rec/final.txt", "final.txt"});
    h.form.FileVideo_Click();
    EXPECT_EQ(h.platform.messages.back(),
              "Impossibile aprire il video /rec/final.txt: unrecognized file format");
    EXPECT_EQ(h.session().video().file, "");
    video.refusal.clear();
    video.choices.push_back({"/rec/final.mp4", "final.mp4"});
    h.form.FileVideo_Click();
    // No point is shown yet to mark.
    EXPECT_EQ(
        std::tuple(h.session().video().file, h.form.view().video.open, h.form.view().video.canMark),
        std::tuple("/rec/final.mp4", true, false));
    for (std::int64_t at : {30'000, 60'000, 95'000, 120'000}) {
        video.position = at;
        h.play("A");
    }
    EXPECT_EQ(std::tuple(h.session().record().videoMs, h.form.view().video.canMark,
                         h.form.view().video.canAlign),  // untimed
              std::tuple(std::vector<std::int64_t>{30'000, 60'000, 95'000, 120'000}, true, false));
    // Over the picture: where the user stands, and each player's score, the server marked.
    EXPECT_EQ(video.over,
              (std::vector<std::string>{h.labels().Posizione.caption(), "   Giocatore A  1  0",
                                        "● Giocatore B  0  0"}));
    // A doubles side by both its players.
    h.form.chooseRule("doubles", 1);
    EXPECT_EQ(video.over[1], "   Giocatore A1 / Giocatore A2  1  0");
    h.form.EditUndo_Click();

    // Stepping back shows the clip from which the score shown was played on; a point without
    // a moment leaves the video where it stands.
    video.seeks.clear();
    h.form.goTo(2);
    h.form.goTo(0);
    h.form.goTo(4);
    EXPECT_EQ(video.seeks, (std::vector<std::int64_t>{70'000, 5'000, 122'000}));
    h.form.goTo(2);
    h.form.VideoPointStart_Click();  // the start of the second point, the one shown
    std::vector<std::int64_t> moves{video.position};
    h.form.VideoSkip_Click(-1);
    h.form.VideoSkip_Click(-1);
    moves.push_back(video.position);
    h.form.VideoFrame_Click(1);
    h.form.VideoRate_Click(2);
    h.form.VideoPlayPause_Click();
    const bool played = video.playing;
    h.form.VideoPlayPause_Click();
    EXPECT_EQ(std::tuple(moves, video.position, video.rate, played, video.playing),
              std::tuple(std::vector<std::int64_t>{35'000, 25'000}, 25'040, 2.0, true, false));

    // A figure played: the clips of its points, "1 di 2" and the score before each point.
    h.form.playPoints({1, 3}, Text::verbatim("Aces"));
    EXPECT_EQ(
        std::tuple(h.form.view().video.playlist, video.position, video.over[0], video.over[2]),
        std::tuple(true, 35'000, "1 di 2 · Aces", "● Giocatore A  0  15"));
    h.form.videoMoved(40'000);
    h.form.videoMoved(62'000);
    // From the end of the point before.
    EXPECT_EQ(std::tuple(video.position, video.over[0]), std::tuple(95'000, "2 di 2 · Aces"));
    h.form.VideoClip_Click(-1);
    EXPECT_EQ(video.over[0], "1 di 2 · Aces");
    h.form.VideoStop_Click();
    EXPECT_EQ(std::tuple(h.form.view().video.playlist, video.playing), std::tuple(false, false));
    // A point moved away from: the playlist ends too.
    h.form.playPoints({0}, Text::verbatim("x"));
    h.form.goTo(1);
    EXPECT_FALSE(h.form.view().video.playlist);

    // Marked by hand, then undone.
    video.position = 58'000;
    h.form.VideoMark_Click();
    const std::int64_t marked = h.session().record().videoMs[0];
    h.form.EditUndo_Click();
    EXPECT_EQ(std::tuple(marked, h.session().record().videoMs[0]), std::tuple(58'000, 30'000));
}

TEST(Video, AMissingVideoIsSaidAndLookedForAndTheLeadIsTheUsersChoice) {
    Harness h;
    MatchRecord m{.points = {0, 0}, .videoMs = {10'000, 40'000}, .video = {"/old/place/match.mp4"}};
    // There but not playable: the player's reason.
    h.platform.existingFiles = {m.video.file};
    h.platform.video.refusal = "unrecognized file format";
    h.form.applyMatch(m);
    EXPECT_EQ(h.form.view().Avviso.text().italian(),
              "Impossibile aprire il video /old/place/match.mp4: unrecognized file format");
    h.platform.existingFiles.clear();
    h.platform.video.refusal.clear();
    h.form.applyMatch(m);
    // The match opens whole; a notice names the file and offers to look for it.
    EXPECT_EQ(std::tuple(h.session().points().count(), h.form.view().Avviso.text().italian(),
                         h.form.view().Avviso.action().italian(), h.form.view().video.open),
              std::tuple(2, "Il video della partita non si trova: /old/place/match.mp4",
                         "Cerca il video…", false));
    h.form.Avviso_Action();  // cancelled: nothing lost
    EXPECT_EQ(std::tuple(h.session().record().videoMs, h.session().saved()),
              std::tuple(m.videoMs, true));
    TempDir dir;
    h.platform.video.choices.push_back({dir.file("match.mp4"), "match.mp4"});
    h.form.Avviso_Action();
    // The video stands at the end of the match.
    EXPECT_EQ(std::tuple(h.form.view().Avviso.text().empty(), h.session().video().file,
                         h.session().saved(), h.platform.video.seeks.back()),
              std::tuple(true, dir.file("match.mp4"), false, 42'000));
    // Saved beside it, the document names it as its neighbour.
    h.platform.saveChoices.push_back({dir.file("m.courtlog"), "m.courtlog"});
    h.form.FileSave_Click();
    EXPECT_NE(TempDir::read(dir.file("m.courtlog")).find(R"("file":"match.mp4")"),
              std::string::npos);

    // The lead is asked for, checked, stored at once and used.
    h.platform.inputAnswers = {"200", "120", "8"};
    h.form.AnticipoClip_Click();
    EXPECT_EQ(h.platform.messages.back(),
              "L'anticipo della clip è un numero di secondi da 3 a 120.");
    for (const char* lead : {"120", "8"}) {  // the longest, then the one used
        h.form.AnticipoClip_Click();
        EXPECT_EQ(h.platform.settings["Courtlog/Opzioni/AnticipoClip"], lead);
    }
    h.form.goTo(1);
    EXPECT_EQ(h.platform.video.seeks.back(), 32'000);
    // A window that finds the file opens it at once, with the lead stored.
    Harness next;
    next.platform.settings["Courtlog/Opzioni/AnticipoClip"] = "8";
    next.platform.existingFiles.insert("/new/match.mp4");
    next.form.Form_Load();
    m.video.file = "/new/match.mp4";
    next.form.applyMatch(m);
    EXPECT_EQ(next.platform.video.file, "/new/match.mp4");
    next.form.goTo(1);
    EXPECT_EQ(next.platform.video.seeks.back(), 32'000);
}

}  // namespace
}  // namespace courtlog
