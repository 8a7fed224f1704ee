// The video window with the real libmpv in a real X server: what it draws is read back from
// the picture, each frame carrying its number.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <clocale>
#include <cstring>
#include <set>

#include "form/VideoPlaylist.h"
#include "support/FakePlatform.h"
#include "support/NumberedClip.h"
#include "ui/VideoView.h"
#include "ui/VideoWindow.h"

namespace courtlog::ui {
namespace {

using testing::frameNumber;

QString clip;  // 320x180, 20 s at 25 frames a second, a keyframe every 2 s

// Runs the event loop until `done`, for at most `ms`.
template <class Done>
bool waitUntil(Done done, int ms = 10000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms) {
            return false;
        }
        QCoreApplication::processEvents();
        QThread::msleep(5);
    }
    return true;
}

class VideoCheck : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(320, 180);
        ASSERT_EQ(window.openVideo(clip.toStdString()), "");
    }
    int frame() { return frameNumber(window.view()->grabFramebuffer()); }
    // The frame shown once the seek has drawn its exact frame; `drawn` gathers every frame
    // drawn on the way.
    int seek(std::int64_t ms, std::set<int>* drawn = nullptr) {
        window.seekVideo(ms);
        EXPECT_TRUE(waitUntil([&] {
            if (drawn) {
                drawn->insert(frame());
            }
            return !window.seeking();
        }));
        return frame();
    }
    // The frame shown after a step, once the picture has changed from `from`.
    int step(int direction, int from) {
        window.stepVideoFrame(direction);
        waitUntil([&] { return frame() != from; }, 5000);
        return frame();
    }
    // How far the position moves in about `ms` of wall time, per millisecond of it.
    double advance(int ms) {
        const std::int64_t from = window.videoPosition();
        QElapsedTimer clock;
        clock.start();
        waitUntil([] { return false; }, ms);
        return double(window.videoPosition() - from) / double(clock.elapsed());
    }

    testing::FakePlatform platform;
    VideoWindow window{platform};
};

TEST_F(VideoCheck, SeeksDrawTheKeyframeThenTheExactFrame) {
    EXPECT_TRUE(waitUntil([&] { return frame() == 0; })) << "opens paused on its first frame";
    EXPECT_FALSE(window.videoPlaying());
    // On a frame, between two, just after a keyframe, backwards, the last frame.
    for (const std::int64_t ms : {5000, 7321, 4010, 1230, 12345, 19960}) {
        const int before = frame();
        std::set<int> drawn;
        const int shown = seek(ms, &drawn);
        const int exact = static_cast<int>(ms * 25 / 1000);
        EXPECT_NEAR(shown, exact, 1) << ms;
        EXPECT_NEAR(window.videoPosition(), ms, 40) << ms;
        // Nothing on the way but the old picture and the keyframe before the frame.
        for (const int frame : drawn) {
            EXPECT_TRUE(frame == before || frame == exact / 50 * 50 || std::abs(frame - exact) <= 1)
                << ms << " drew " << frame;
        }
    }
}

TEST_F(VideoCheck, FrameStepsMoveOneFrameAndStayPaused) {
    const int from = seek(5000);
    ASSERT_EQ(from, 125);
    EXPECT_EQ(step(+1, from), 126);
    EXPECT_EQ(step(+1, 126), 127);
    EXPECT_EQ(step(-1, 127), 126);
    EXPECT_EQ(step(-1, 126), 125);
    EXPECT_FALSE(window.videoPlaying());
    EXPECT_NEAR(window.videoPosition(), 5000, 40);
}

TEST_F(VideoCheck, PlaysAtEachRateAndPausesWhereItStands) {
    std::vector<bool> playing;
    std::int64_t reported = -1;
    QObject::connect(&window, &VideoWindow::playingChanged,
                     [&](bool on) { playing.push_back(on); });
    QObject::connect(&window, &VideoWindow::positionChanged, [&](qint64 ms) { reported = ms; });
    seek(1000);
    window.playVideo(true);
    ASSERT_TRUE(waitUntil([&] { return window.videoPlaying() && frame() > 30; }));
    // Wide margins: only the order and a rough size of the speeds, never a tight time.
    const double normal = advance(1500);
    window.setVideoRate(2.0);
    waitUntil([] { return false; }, 200);
    const double fast = advance(1500);
    window.setVideoRate(0.5);
    waitUntil([] { return false; }, 200);
    const double slow = advance(1500);
    EXPECT_GT(normal, 0.5);
    EXPECT_LT(normal, 1.5);
    EXPECT_GT(fast, 1.4 * normal);
    EXPECT_LT(slow, 0.75 * normal);
    EXPECT_GT(slow, 0.1);

    window.playVideo(false);
    ASSERT_TRUE(waitUntil([&] { return !window.videoPlaying(); }));
    waitUntil([] { return false; }, 300);
    const std::int64_t paused = window.videoPosition();
    const int shown = frame();
    waitUntil([] { return false; }, 500);
    EXPECT_EQ(window.videoPosition(), paused);
    EXPECT_EQ(frame(), shown);
    EXPECT_NEAR(shown, paused * 25 / 1000, 1) << "the picture is where the position says";
    EXPECT_NEAR(reported, paused, 40);
    EXPECT_EQ(playing, (std::vector<bool>{true, false}));

    // Played to the end it stops on the last frame, the file still open.
    window.setVideoRate(2.0);
    seek(19000);
    window.playVideo(true);
    EXPECT_TRUE(waitUntil([&] { return playing.size() == 4; }));
    EXPECT_EQ(playing, (std::vector<bool>{true, false, true, false}));
    EXPECT_TRUE(window.videoOpen());
    EXPECT_GE(frame(), 498);
    // Nothing would draw the frames of a hidden window: it pauses.
    seek(1000);
    window.playVideo(true);
    ASSERT_TRUE(waitUntil([&] { return window.videoPlaying(); }));
    window.hide();
    EXPECT_TRUE(waitUntil([&] { return !window.videoPlaying(); }, 2000));
}

TEST_F(VideoCheck, LinesOverThePictureLeaveTheFrameReadable) {
    seek(5000);  // frame 125: the band's first block is white
    const QImage plain = window.view()->grabFramebuffer();
    window.showOverVideo({"3 di 12", "Set 2  6-4 3-2  40-15"});
    const QImage over = window.view()->grabFramebuffer();
    EXPECT_EQ(frameNumber(over), 125);
    // A dark band at the top left with white text on it, whatever the picture was.
    EXPECT_LT(qGray(over.pixel(1, 1)), qGray(plain.pixel(1, 1)));
    int white = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 120; ++x) {
            white += qGray(over.pixel(x, y)) > 230 ? 1 : 0;
        }
    }
    EXPECT_GT(white, 20);
    window.showOverVideo({});
    EXPECT_EQ(window.view()->grabFramebuffer(), plain);
}

TEST_F(VideoCheck, PlaylistPlaysEachClipAndStopsAfterTheLast) {
    const std::vector<PlaylistClip> clips{
        {3, {2300, 3300}}, {7, {8000, 9000}}, {12, {14100, 15500}}};
    VideoPlaylist playlist(window);
    QObject::connect(&window, &VideoWindow::positionChanged,
                     [&](qint64 ms) { playlist.moved(ms); });
    std::vector<std::set<int>> inClip(clips.size());
    std::set<int> elsewhere;
    playlist.play(clips);
    ASSERT_TRUE(waitUntil(
        [&] {
            const int drawn = frame();
            const auto in = std::find_if(clips.begin(), clips.end(), [&](const PlaylistClip& c) {
                // A frame late at each end: the picture and the position are not read at once.
                return drawn * 40 >= c.clip.startMs - 40 && drawn * 40 <= c.clip.endMs + 40;
            });
            (in == clips.end() ? elsewhere : inClip[in - clips.begin()]).insert(drawn);
            return !playlist.active();
        },
        20000));
    for (const std::set<int>& drawn : inClip) {
        EXPECT_GT(drawn.size(), 5u) << "each clip plays";
    }
    // Elsewhere only the first picture, what a seek to a clip draws before its start (from the
    // keyframe on), and what plays after a clip's end while the next seek or the stop is on
    // its way.
    for (const int drawn : elsewhere) {
        EXPECT_TRUE(drawn <= 0 || std::any_of(clips.begin(), clips.end(),
                                              [&](const auto& c) {
                                                  return (drawn >= c.clip.startMs / 2000 * 50 &&
                                                          drawn * 40 < c.clip.startMs) ||
                                                         (drawn * 40 > c.clip.endMs &&
                                                          drawn * 40 < c.clip.endMs + 1000);
                                              }))
            << drawn;
    }
    ASSERT_TRUE(waitUntil([&] { return !window.videoPlaying(); }));
    waitUntil([] { return false; }, 300);
    EXPECT_GE(window.videoPosition(), clips.back().clip.endMs);
    EXPECT_LT(window.videoPosition(), clips.back().clip.endMs + 1000);
    EXPECT_NEAR(frame(), window.videoPosition() * 25 / 1000, 1);
}

TEST(VideoWindowCheck, OpenFailsWithThePlayersReasonAndAnotherFileStillOpens) {
    testing::FakePlatform platform;
    VideoWindow window(platform);
    QTemporaryDir folder;
    const QString text = folder.filePath("partita.txt");
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("non un video\n") > 0);
    file.close();
    for (const QString& bad : {text, folder.filePath("manca.mp4")}) {
        EXPECT_NE(window.openVideo(bad.toStdString()), "") << bad.toStdString();
        EXPECT_FALSE(window.videoOpen());
        window.seekVideo(1000);
        EXPECT_FALSE(window.seeking());
    }
    EXPECT_EQ(window.openVideo(clip.toStdString()), "");
    EXPECT_TRUE(window.videoOpen());
}

TEST(VideoWindowCheck, SitsBesideTheMainWindowKeepsItsPlaceAndNeverTakesTheFocus) {
    testing::FakePlatform platform;
    QWidget main;
    main.setGeometry(20, 30, 300, 200);
    main.show();
    main.activateWindow();
    ASSERT_TRUE(waitUntil([&] { return QApplication::activeWindow() == &main; }));
    {
        VideoWindow window(platform);
        window.placeBeside(&main);
        window.show();
        waitUntil([] { return false; }, 300);
        EXPECT_EQ(QApplication::activeWindow(), &main);
        EXPECT_EQ(window.frameGeometry().left(), main.frameGeometry().right() + 1);
        EXPECT_EQ(window.frameGeometry().top(), main.frameGeometry().top());
        window.setGeometry(500, 100, 480, 270);
        waitUntil([] { return false; }, 300);
        // A key that reaches it is left for the program's shortcuts.
        QKeyEvent key(QEvent::KeyPress, Qt::Key_F, Qt::NoModifier, QStringLiteral("f"));
        QApplication::sendEvent(&window, &key);
        EXPECT_FALSE(key.isAccepted());
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
        std::fprintf(stderr, "FAIL: the locale %s is not there\n", language);
        return 1;
    }
    std::setlocale(LC_NUMERIC, "C");
    QTemporaryDir folder;
    courtlog::ui::clip = folder.filePath("numbered.mp4");
    if (!courtlog::testing::makeNumberedClip(
            courtlog::ui::clip, "color=c=gray:s=320x180:r=25:d=20", 320, 180, 20,
            {"-c:v", "libx264", "-preset", "ultrafast", "-crf", "12", "-g", "50", "-bf", "0"})) {
        std::fprintf(stderr, "FAIL: ffmpeg made no clip\n");
        return 1;
    }
    return RUN_ALL_TESTS();
}
