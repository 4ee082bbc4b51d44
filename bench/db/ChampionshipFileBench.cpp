#include "BenchValue.h"
#include "db/ChampionshipFile.h"

#include <benchmark/benchmark.h>
#include <QTemporaryDir>

namespace {

void CreateChampionshipFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ORLE2026.mdb"));
    for (auto _ : state) {
        if (!ChampionshipFile::Create(path)) {
            state.SkipWithError("creation failed");
        }
    }
}
BENCHMARK(CreateChampionshipFile)->Unit(benchmark::kMillisecond);

void OpenChampionshipFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ORLE2026.mdb"));
    Require(ChampionshipFile::Create(path));
    for (auto _ : state) {
        ChampionshipFile::Opened opened = ChampionshipFile::Open(path);
        benchmark::DoNotOptimize(opened.db);
    }
}
BENCHMARK(OpenChampionshipFile)->Unit(benchmark::kMillisecond);

}  // namespace
