// How long stepping through a long match takes: a full replay of a 1000-point match.
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

}  // namespace

BENCHMARK_MAIN();
