// How soon a seek shows its picture in the video window, on a clip like a real recording:
// 1080p at 25 frames a second, H.264 at 8 Mbit/s with a keyframe every 2 s, noisy enough that
// it does not compress to nothing. Each frame carries its number, so that a time is taken
// only once the picture drawn is the one wanted. Needs a display: run it under Xvfb.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QThread>
#include <algorithm>
#include <clocale>
#include <random>

#include "BenchMatch.h"
#include "support/NumberedClip.h"
#include "ui/VideoView.h"
#include "ui/VideoWindow.h"

namespace {

constexpr int kSeconds = 60;
constexpr int kFrames = kSeconds * 25;

// Made once and kept in the build folder: it takes a few minutes.
QString clip() {
    const QString file = QStringLiteral(COURTLOG_BENCH_CLIP);
    const QString part = file + QStringLiteral(".part.mp4");
    if (QFileInfo::exists(file)) {
        return file;
    }
    const bool made = courtlog::testing::makeNumberedClip(
        part, QStringLiteral("testsrc2=s=1920x1080:r=25:d=%1,noise=alls=30:allf=t").arg(kSeconds),
        1920, 1080, kSeconds,
        {"-c:v", "libx264", "-preset", "veryfast", "-b:v", "8M", "-maxrate", "8M", "-bufsize",
         "16M", "-g", "50", "-sc_threshold", "0"});
    return made && QFile::rename(part, file) ? file : QString();
}

// The number of the frame the view has just drawn, read from its own framebuffer without
// drawing again.
int drawnFrame(courtlog::ui::VideoView& view) {
    view.makeCurrent();
    const QSize size = view.size() * view.devicePixelRatio();
    QImage image(size, QImage::Format_RGBA8888);
    view.context()->functions()->glReadPixels(0, 0, size.width(), size.height(), GL_RGBA,
                                              GL_UNSIGNED_BYTE, image.bits());
    view.doneCurrent();
    return courtlog::testing::frameNumber(image);
}

// Seeks to 20 frames picked at random (the same ones each run), each from the last one, and
// times from the call until the window has drawn the keyframe's picture (`exact` false: the
// first picture of the target's group of frames) or the frame itself. The median is the
// benchmark's time, the worst case a counter.
void seekTimes(benchmark::State& state, bool exact) {
    const QString file = clip();
    courtlog::bench::QuietPlatform platform;
    courtlog::ui::VideoWindow window(platform);
    window.resize(640, 360);
    if (file.isEmpty() || !window.openVideo(file.toStdString()).empty()) {
        state.SkipWithError("no clip to play");
        return;
    }
    courtlog::ui::VideoView& view = *window.view();
    QElapsedTimer clock;
    int target = 0, wanted = 0;
    double taken = -1;
    int keyframesShown = 0;  // seeks whose keyframe showed before their own frame
    // The time of the first picture drawn that is the one wanted.
    QObject::connect(&view, &QOpenGLWidget::frameSwapped, [&] {
        const double at = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        const int drawn = drawnFrame(view);
        if (taken < 0 && (drawn == wanted || drawn == target)) {
            taken = at;
            keyframesShown += drawn == target / 50 * 50 && drawn != target ? 1 : 0;
        }
    });
    std::mt19937 random(20241207);
    std::uniform_int_distribution<int> frames(50, kFrames - 50);
    for (auto _ : state) {
        std::vector<double> times;
        for (int i = 0; i < 20; ++i) {
            target = frames(random);
            wanted = exact ? target : target / 50 * 50;
            taken = -1;
            clock.start();
            window.seekVideo(target * 40);
            while (taken < 0 && clock.elapsed() < 10000) {
                QCoreApplication::processEvents();
                QThread::usleep(500);
            }
            if (taken < 0) {
                state.SkipWithError("the picture wanted was never drawn");
                return;
            }
            times.push_back(taken);
            // Let the exact seek end before the next one starts.
            while (window.seeking()) {
                QCoreApplication::processEvents();
                QThread::usleep(500);
            }
        }
        std::sort(times.begin(), times.end());
        state.SetIterationTime((times[9] + times[10]) / 2);
        state.counters["worst_ms"] = times.back() * 1000;
        if (!exact) {
            state.counters["keyframes_shown"] = keyframesShown;
        }
    }
}

void BM_SeekToKeyframe(benchmark::State& state) {
    seekTimes(state, false);
}
void BM_SeekToPoint(benchmark::State& state) {
    seekTimes(state, true);
}
BENCHMARK(BM_SeekToKeyframe)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SeekToPoint)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");  // or libmpv does not start
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
