#include "FencedChampionship.h"
#include "db/Snapshots.h"

#include <benchmark/benchmark.h>
#include <QDir>

namespace {

// A snapshot before every destructive action must not keep the staff waiting: well under
// 100 ms for a championship with every bout fenced.
void SnapshotOfAFullChampionship(benchmark::State& state) {
    const TempChampionship& championship = NewFencedChampionship();
    for (auto _ : state) {
        const Result<QString> taken = Snapshots::Take(championship.db(), QStringLiteral("manual"));
        if (!taken) {
            state.SkipWithError("the snapshot failed");
        }
    }
    QDir(Snapshots::FolderFor(championship.path())).removeRecursively();
}
BENCHMARK(SnapshotOfAFullChampionship)->Unit(benchmark::kMillisecond);

}  // namespace
