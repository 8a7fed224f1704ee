// The video window with the real libmpv in a real X server: what it draws is read back from
// the picture, each frame carrying its number.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <clocale>
#include <cstring>

#include "form/VideoPlaylist.h"
#include "support/FakePlatform.h"
#include "support/NumberedClip.h"
#include "support/TempDir.h"
#include "ui/VideoView.h"
#include "ui/VideoWindow.h"

namespace courtlog::ui {
namespace {

QString clip;  // 320x180, 20 s at 25 frames a second, a keyframe every 2 s

class VideoCheck : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(320, 180);
        ASSERT_EQ(window.openVideo(clip.toStdString()), "");
    }
    int frame() { return testing::frameNumber(window.view()->grabFramebuffer()); }
    // The frame shown once the seek is done.
    int seek(std::int64_t ms) {
        window.seekVideo(ms);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !window.seeking(); }, 10000));
        return frame();
    }

    testing::FakePlatform platform;
    VideoWindow window{platform};
};

TEST_F(VideoCheck, SeeksAndStepsDrawTheFrameAsked) {
    EXPECT_TRUE(QTest::qWaitFor([&] { return frame() == 0; }, 10000))
        << "opens paused on its first frame";
    // On a frame, between two, just after a keyframe, backwards, the last frame.
    for (const std::int64_t ms : {5000, 7321, 4010, 1230, 12345, 19960}) {
        EXPECT_NEAR(seek(ms), ms * 25 / 1000, 1) << ms;
        EXPECT_NEAR(window.videoPosition(), ms, 40) << ms;
    }
    ASSERT_EQ(seek(5000), 125);
    for (const auto& [direction, to] : {std::pair{+1, 126}, {+1, 127}, {-1, 126}, {-1, 125}}) {
        const int from = frame();
        window.stepVideoFrame(direction);
        EXPECT_TRUE(QTest::qWaitFor([&] { return frame() == to; }, 5000)) << from << " to " << to;
    }
    EXPECT_NEAR(window.videoPosition(), 5000, 40);
}

TEST_F(VideoCheck, PlaysAtEachRatePausesAndStopsAtTheEnd) {
    std::vector<bool> playing;
    QObject::connect(&window, &VideoWindow::playingChanged,
                     [&](bool on) { playing.push_back(on); });
    seek(1000);
    window.playVideo(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.videoPlaying() && frame() > 30; }, 10000));
    // Wide margins, never a tight time: the speeds' order and rough size.
    std::vector<double> speeds;  // the position's advance per millisecond of wall time
    for (const double rate : {1.0, 2.0, 0.5}) {
        window.setVideoRate(rate);
        QTest::qWait(200);
        const std::int64_t from = window.videoPosition();
        QElapsedTimer clock;
        clock.start();
        QTest::qWait(1500);
        speeds.push_back(double(window.videoPosition() - from) / double(clock.elapsed()));
    }
    EXPECT_TRUE(speeds[0] > 0.5 && speeds[0] < 1.5) << speeds[0];
    EXPECT_GT(speeds[1], 1.4 * speeds[0]);
    EXPECT_TRUE(speeds[2] > 0.1 && speeds[2] < 0.75 * speeds[0]) << speeds[2];

    window.playVideo(false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.videoPlaying(); }, 10000));
    QTest::qWait(300);
    const std::int64_t paused = window.videoPosition();
    QTest::qWait(500);
    EXPECT_EQ(window.videoPosition(), paused);
    EXPECT_NEAR(frame(), paused * 25 / 1000, 1) << "the picture is where the position says";

    // Played to the end it stops on the last frame, the file still open.
    window.setVideoRate(2.0);
    seek(19000);
    window.playVideo(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return playing.size() == 4; }, 10000));
    EXPECT_EQ(playing, (std::vector<bool>{true, false, true, false}));
    EXPECT_TRUE(window.videoOpen());
    EXPECT_GE(frame(), 498);
    // Nothing would draw the frames of a hidden window: it pauses.
    seek(1000);
    window.playVideo(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.videoPlaying(); }, 10000));
    window.hide();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window.videoPlaying(); }, 2000));
}

TEST_F(VideoCheck, LinesOverThePictureLeaveTheFrameReadable) {
    seek(5000);  // frame 125: the band's first block is white
    const QImage plain = window.view()->grabFramebuffer();
    window.showOverVideo({"3 di 12", "Set 2  6-4 3-2  40-15"});
    const QImage over = window.view()->grabFramebuffer();
    EXPECT_EQ(testing::frameNumber(over), 125);
    // A dark band at the top left, whatever the picture was.
    EXPECT_LT(qGray(over.pixel(1, 1)), qGray(plain.pixel(1, 1)));
    window.showOverVideo({});
    EXPECT_EQ(window.view()->grabFramebuffer(), plain);
}

TEST_F(VideoCheck, PlaylistPlaysEachClipAndStopsAfterTheLast) {
    const std::vector<PlaylistClip> clips{
        {3, {2300, 3300}}, {7, {8000, 9000}}, {12, {14100, 15500}}};
    VideoPlaylist playlist(window);
    QObject::connect(&window, &VideoWindow::positionChanged,
                     [&](qint64 ms) { playlist.moved(ms); });
    std::vector<int> played(clips.size());
    playlist.play(clips);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const int at = frame() * 40;
            for (std::size_t i = 0; i < clips.size(); ++i) {
                played[i] += at >= clips[i].clip.startMs && at <= clips[i].clip.endMs ? 1 : 0;
            }
            return !playlist.active();
        },
        20000));
    EXPECT_TRUE(std::all_of(played.begin(), played.end(), [](int n) { return n > 5; }))
        << "each clip plays";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.videoPlaying(); }, 10000));
    QTest::qWait(300);
    const std::int64_t end = clips.back().clip.endMs, at = window.videoPosition();
    EXPECT_TRUE(at >= end && at < end + 1000) << at;
    EXPECT_NEAR(frame(), window.videoPosition() * 25 / 1000, 1);
}

TEST(VideoWindowCheck, SaysWhyAFileDoesNotOpenSitsBesideAndKeepsItsPlace) {
    testing::FakePlatform platform;
    const testing::TempDir folder;
    testing::TempDir::write(folder.file("partita.txt"), "non un video\n");
    QWidget main;
    main.setGeometry(20, 30, 300, 200);
    main.show();
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &main; }, 10000));
    {
        VideoWindow window(platform);
        window.placeBeside(&main);
        EXPECT_NE(window.openVideo(folder.file("partita.txt")), "");  // shows it, too
        EXPECT_FALSE(window.videoOpen());
        QTest::qWait(300);
        EXPECT_EQ(QApplication::activeWindow(), &main) << "it never takes the focus";
        EXPECT_EQ(window.frameGeometry().topLeft(), main.frameGeometry().topRight() + QPoint(1, 0));
        window.setGeometry(500, 100, 480, 270);
        QTest::qWait(300);
    }
    VideoWindow again(platform);
    again.placeBeside(&main);
    EXPECT_EQ(again.geometry(), QRect(500, 100, 480, 270));
}

}  // namespace
}  // namespace courtlog::ui

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    // Run in a locale that writes numbers with a comma too: libmpv starts only once numbers
    // are put back the C way, as the program's start does.
    const char* language = std::getenv("LANG");
    if (language && std::strncmp(language, "it_IT", 5) == 0 &&
        std::strcmp(std::localeconv()->decimal_point, ",") != 0) {
        return std::fprintf(stderr, "FAIL: no locale %s\n", language), 1;
    }
    std::setlocale(LC_NUMERIC, "C");
    QTemporaryDir folder;
    courtlog::ui::clip = folder.filePath("numbered.mp4");
    const bool made = courtlog::testing::makeNumberedClip(
        courtlog::ui::clip, "color=c=gray:s=320x180:r=25:d=20", 320, 180, 20,
        {"-c:v", "libx264", "-preset", "ultrafast", "-crf", "12", "-g", "50", "-bf", "0"});
    return made ? RUN_ALL_TESTS() : (std::fprintf(stderr, "FAIL: ffmpeg made no clip\n"), 1);
}
