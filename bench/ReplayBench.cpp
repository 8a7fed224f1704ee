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
        // Going to where it stands scores every point again and draws the window once.
        form.goTo(form.session().points().current());
        benchmark::DoNotOptimize(form.view().board.Punteggio[0].caption().data());
    }
    state.counters["points"] = form.session().points().count();
}
BENCHMARK(BM_ReplayThousandPoints)->Unit(benchmark::kMicrosecond);

void BM_StepBackAndForward(benchmark::State& state) {
    courtlog::bench::QuietPlatform platform;
    courtlog::MainForm form(platform);
    courtlog::bench::fillThousandPointMatch(form);
    for (auto _ : state) {
        const int at = form.session().points().current();
        form.goTo(at - 1);
        form.goTo(at);
    }
}
BENCHMARK(BM_StepBackAndForward)->Unit(benchmark::kMicrosecond);

// What the detailed statistics window and the reports compute after every point.
void BM_StatisticsOfThousandPoints(benchmark::State& state) {
    courtlog::bench::QuietPlatform platform;
    courtlog::MainForm form(platform);
    courtlog::bench::fillThousandPointMatch(form);
    for (auto _ : state) {
        const courtlog::MatchStatistics m = form.session().statistics();
        benchmark::DoNotOptimize(m.match.players[0].pointsWon);
    }
}
BENCHMARK(BM_StatisticsOfThousandPoints)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
