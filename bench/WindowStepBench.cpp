// How long one step through a long match takes in the real window: the replay and pushing
// every changed field into the widgets, offscreen.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QTest>

#include "BenchMatch.h"
#include "ui/Look.h"
#include "ui/MainWindow.h"

namespace {

void BM_WindowStep(benchmark::State& state) {
    courtlog::bench::QuietPlatform platform;
    courtlog::ui::MainWindow window(platform);
    window.show();
    courtlog::bench::fillThousandPointMatch(window.form());
    window.refresh();
    QAction* back = window.findChild<QAction*>(QStringLiteral("GameUndo"));
    QAction* forward = window.findChild<QAction*>(QStringLiteral("GameRedo"));
    bool stepBack = true;
    for (auto _ : state) {
        // Alternate, so every step moves one point and the match stays near its end.
        (stepBack ? back : forward)->trigger();
        stepBack = !stepBack;
    }
    QApplication::processEvents();
}
BENCHMARK(BM_WindowStep)->Unit(benchmark::kMillisecond);

// A point recorded by its key, from the key event to the fields pushed into the widgets: the
// last point of a 1000-point match charted again, so the list stays full.
void BM_WindowKeyPoint(benchmark::State& state) {
    courtlog::bench::QuietPlatform platform;
    courtlog::ui::MainWindow window(platform);
    window.show();
    courtlog::bench::fillThousandPointMatch(window.form());
    window.refresh();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) {
        state.SkipWithError("the window did not become active");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        window.form().goTo(window.form().session().points().current() - 1);
        window.refresh();
        state.ResumeTiming();
        // Delivered as the window system delivers a key, shortcut map included.
        QTest::keyClick(&window, Qt::Key_F);
    }
    if (window.form().session().points().current() != courtlog::kMaxPoints) {
        state.SkipWithError("the key did not record the point");
    }
}
BENCHMARK(BM_WindowKeyPoint)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    courtlog::ui::installFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
