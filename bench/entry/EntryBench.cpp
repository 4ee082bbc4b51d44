#include "entry/BoutResults.h"
#include "entry/DualEntry.h"
#include "entry/FencerRecord.h"
#include "entry/MissingResults.h"
#include "entry/PoolEntry.h"
#include "entry/ResultsSimulator.h"
#include "support/ChampionshipBuilder.h"
#include "support/TempChampionship.h"

#include <benchmark/benchmark.h>

namespace {

const QList<int> kAllEvents = {0, 1, 2, 3, 4, 5};
const QList<int> kAllRounds = {0, 1, 2, 3, 4, 5, 6};

// A whole championship: six drawn events of 24 fencers with all 6 × 276 bouts fenced.
struct FullChampionship {
    FullChampionship() {
        ChampionshipBuilder builder(file);
        for (int w : kAllEvents) {
            builder.drawFullEvent(w);
        }
        ResultsSimulator::Fill(file.db(), kAllEvents, kAllRounds, 1);
    }
    TempChampionship file;
};

void SaveOneBout(benchmark::State& state) {
    FullChampionship c;
    int touches = 0;
    for (auto _ : state) {
        touches = (touches + 1) % 5;
        const Status s = BoutResults::Write(c.file.db(), 3, {{0, 14, BoutScore{5, touches, true}}});
        if (!s) {
            state.SkipWithError("save failed");
        }
    }
}
BENCHMARK(SaveOneBout)->Unit(benchmark::kMillisecond);

void LoadAndSavePoolStrip(benchmark::State& state) {
    FullChampionship c;
    for (auto _ : state) {
        PoolEntry pool = PoolEntry::Load(c.file.db(), 2, 1);
        if (!pool.save(c.file.db(), 2)) {
            state.SkipWithError("save failed");
        }
    }
}
BENCHMARK(LoadAndSavePoolStrip)->Unit(benchmark::kMillisecond);

void LoadAndSaveDualStrip(benchmark::State& state) {
    FullChampionship c;
    const DualLines lines = DualLines::Load(c.file.db());
    for (auto _ : state) {
        DualEntry dual = DualEntry::Load(c.file.db(), lines, 4, 5, 2);
        if (!dual.save(c.file.db(), 4)) {
            state.SkipWithError("save failed");
        }
    }
}
BENCHMARK(LoadAndSaveDualStrip)->Unit(benchmark::kMillisecond);

void LoadDualStrip(benchmark::State& state) {
    FullChampionship c;
    const DualLines lines = DualLines::Load(c.file.db());
    for (auto _ : state) {
        benchmark::DoNotOptimize(DualEntry::Load(c.file.db(), lines, 4, 5, 2));
    }
}
BENCHMARK(LoadDualStrip)->Unit(benchmark::kMillisecond);

void SimulateWholeChampionship(benchmark::State& state) {
    FullChampionship c;
    std::uint32_t seed = 0;
    for (auto _ : state) {
        const ResultsSimulator::Filled filled =
            ResultsSimulator::Fill(c.file.db(), kAllEvents, kAllRounds, ++seed);
        if (!filled.status || filled.bouts != 6 * 276) {
            state.SkipWithError("simulation failed");
        }
    }
}
BENCHMARK(SimulateWholeChampionship)->Unit(benchmark::kMillisecond);

// The finder's evaluation of every strip of every round of all six events.
void EvaluateMissingResults(benchmark::State& state) {
    FullChampionship c;
    for (auto _ : state) {
        const std::vector<StripReport> all = MissingResults::ForChampionship(c.file.db(), 6, 3);
        if (all.size() != 168 || all.back().state() != ReportState::Complete) {
            state.SkipWithError("evaluation failed");
        }
    }
}
BENCHMARK(EvaluateMissingResults)->Unit(benchmark::kMillisecond);

void LoadFencerRecord(benchmark::State& state) {
    FullChampionship c;
    for (auto _ : state) {
        const FencerRecord record = FencerRecord::Load(c.file.db(), 3, 17);
        if (record.wins + record.losses != 23) {
            state.SkipWithError("record incomplete");
        }
    }
}
BENCHMARK(LoadFencerRecord)->Unit(benchmark::kMillisecond);

}  // namespace
