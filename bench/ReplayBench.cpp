// How long stepping through a long match takes: a full replay of a 1000-point match, and its
// detailed statistics.
#include <benchmark/benchmark.h>

#include "BenchMatch.h"

namespace {

void BM_ReplayThousandPoints(benchmark::State& state) {
    courtlog::bench::QuietPlatform platform;
    courtlog::MainForm form(platform);
    courtlog::bench::fillThousandPointMatch(form);
    for (auto _ : state) {
        form.ReplayToCurrentPoint();
        benchmark::DoNotOptimize(form.labels.Punteggio[0].caption().data());
    }
    state.counters["points"] = form.points().count();
}
BENCHMARK(BM_ReplayThousandPoints)->Unit(benchmark::kMicrosecond);

void BM_StepBackAndForward(benchmark::State& state) {
    courtlog::bench::QuietPlatform platform;
    courtlog::MainForm form(platform);
    courtlog::bench::fillThousandPointMatch(form);
    for (auto _ : state) {
        form.GameUndo_Click();
        form.GameRedo_Click();
    }
}
BENCHMARK(BM_StepBackAndForward)->Unit(benchmark::kMicrosecond);

// What the detailed statistics window and the reports compute after every point.
void BM_StatisticsOfThousandPoints(benchmark::State& state) {
    courtlog::bench::QuietPlatform platform;
    courtlog::MainForm form(platform);
    courtlog::bench::fillThousandPointMatch(form);
    for (auto _ : state) {
        const courtlog::MatchStatistics m = form.statistics();
        benchmark::DoNotOptimize(m.match.players[0].pointsWon);
    }
}
BENCHMARK(BM_StatisticsOfThousandPoints)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
