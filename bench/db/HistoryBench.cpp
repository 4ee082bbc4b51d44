#include "FencedChampionship.h"
#include "db/ORLEMain.h"
#include "db/frmHistory.h"
#include "entry/HistoryLines.h"
#include "support/ScriptedPrompter.h"

#include <benchmark/benchmark.h>
#include <QTemporaryDir>

namespace {

// The whole history of a fully fenced championship: every bout's change and every roster row.
void HistoryOfAFullChampionship(benchmark::State& state) {
    const TempChampionship& championship = NewFencedChampionship();
    for (auto _ : state) {
        const Result<std::vector<HistoryLine>> lines =
            HistoryLines::Read(championship.db(), ChangeLog::Filter{});
        if (!lines) {
            state.SkipWithError("the history could not be read");
        }
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(HistoryOfAFullChampionship)->Unit(benchmark::kMillisecond);

// The History window opened on all events of a fully fenced championship.
void HistoryWindowOfAFullChampionship(benchmark::State& state) {
    const TempChampionship& championship = NewFencedChampionship();
    QTemporaryDir settings;
    ORLEMain main(std::make_unique<RegistrySettings>(settings.filePath("orle.ini")));
    main.OpenDatabase(championship.path());
    ScriptedPrompter prompter;
    frmHistory window(main, prompter);
    for (auto _ : state) {
        window.setFilter(std::nullopt, std::nullopt);
    }
}
BENCHMARK(HistoryWindowOfAFullChampionship)->Unit(benchmark::kMillisecond);

}  // namespace
