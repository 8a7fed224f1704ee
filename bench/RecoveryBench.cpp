// How long a point takes to record once the match is kept in a recovery file: the scoring and
// the whole match written again and synced to disk, on a match of a realistic length.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "BenchMatch.h"

namespace {

// Recovery files go to a folder of its own: on disk, as the user's data folder is, or in
// memory, or nowhere, so that the sync, the write and the point can be told apart.
enum class Keep { OnDisk, InMemory, Nowhere };

class KeepingPlatform : public courtlog::bench::QuietPlatform {
public:
    explicit KeepingPlatform(Keep keep) {
        const std::filesystem::path base =
            keep == Keep::InMemory ? "/dev/shm" : std::filesystem::temp_directory_path();
        std::string name = (base / "courtlog-bench-XXXXXX").string();
        if (keep != Keep::Nowhere && mkdtemp(name.data()) != nullptr) {
            folder_ = name;
        }
    }
    KeepingPlatform(const KeepingPlatform&) = delete;
    KeepingPlatform& operator=(const KeepingPlatform&) = delete;
    ~KeepingPlatform() override {
        if (!folder_.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(folder_, ignored);
        }
    }
    std::string recoveryFolder() override { return folder_; }

private:
    std::string folder_;
};

// Three hundred points of a five-set match still running: every game held after deuce, the
// first two sets in tie-breaks one each, and the third well under way.
void chartThreeHundredPoints(courtlog::MainForm& form) {
    form.chooseRule("bestOf", 1);
    auto point = [&form](int winner) {
        if (form.session().points().count() >= 300) {
            return;
        }
        form.SelectOption(courtlog::Panel::Servizio,
                          form.session().points().count() % 3 == 0 ? 1 : 0);
        form.SelectOption(courtlog::Panel::Colpo, form.session().points().count() % 8);
        form.PuntoGiocatore_Click(winner);
    };
    int tieBreak = 0;
    while (form.session().points().count() < 300) {
        if (form.session().score().inTieBreak) {
            point(tieBreak % 2);
            if (!form.session().score().inTieBreak) {
                ++tieBreak;
            }
            continue;
        }
        const int server = form.session().score().server;
        for (int k = 0; k < 6; ++k) {
            point(k % 2 == 0 ? server : 1 - server);  // to deuce
        }
        point(server);
        point(server);
    }
}

// One point recorded at the end of the match, then deleted again untimed, so that every
// point is recorded on a match of the same length.
void pointOnLongMatch(benchmark::State& state, Keep keep) {
    KeepingPlatform platform(keep);
    if (keep != Keep::Nowhere && platform.recoveryFolder().empty()) {
        state.SkipWithError("no folder for the recovery file");
        return;
    }
    courtlog::MainForm form(platform);
    form.Form_Load();
    form.Form_Activate({});
    chartThreeHundredPoints(form);
    if (form.session().score().over ||
        form.view().recoveryFile.empty() != (keep == Keep::Nowhere)) {
        state.SkipWithError("the match is over, or not kept as asked");
        return;
    }
    int winner = 0;
    for (auto _ : state) {
        form.PuntoGiocatore_Click(winner);
        state.PauseTiming();
        form.GameDelete_Click();
        winner = 1 - winner;
        state.ResumeTiming();
    }
    state.counters["points"] = form.session().points().count();
}

void BM_PointWithRecoveryOnDisk(benchmark::State& state) {
    pointOnLongMatch(state, Keep::OnDisk);
}
BENCHMARK(BM_PointWithRecoveryOnDisk)->Unit(benchmark::kMillisecond);

void BM_PointWithRecoveryInMemory(benchmark::State& state) {
    pointOnLongMatch(state, Keep::InMemory);
}
BENCHMARK(BM_PointWithRecoveryInMemory)->Unit(benchmark::kMillisecond);

void BM_PointWithoutRecovery(benchmark::State& state) {
    pointOnLongMatch(state, Keep::Nowhere);
}
BENCHMARK(BM_PointWithoutRecovery)->Unit(benchmark::kMillisecond);

}  // namespace
