#include "FencedChampionship.h"
#include "entry/BoutResults.h"

#include <benchmark/benchmark.h>

namespace {

// A fully fenced championship of its own whose saves skip the wait for the disk, so that the
// cost of recording a change is not lost in the noise of the disk.
TempChampionship& fencedFile() {
    TempChampionship& file = NewFencedChampionship();
    file.exec(QStringLiteral("PRAGMA synchronous=OFF"));
    return file;
}

// A bout saved as the entry windows save it: the log learns who saves, the triggers record
// the change, all in the save's transaction. Compare with BoutSaveWithoutChangeLog: the
// difference is what the log adds to a save (it must stay under 1 ms).
void BoutSaveWithChangeLog(benchmark::State& state) {
    TempChampionship& file = fencedFile();
    int touches = 0;
    for (auto _ : state) {
        touches = (touches + 1) % 5;
        if (!BoutResults::Write(file.db(), 3, {{0, 14, BoutScore{5, touches, true}}})) {
            state.SkipWithError("save failed");
        }
    }
}
BENCHMARK(BoutSaveWithChangeLog)->Unit(benchmark::kMicrosecond);

// The same rows written as a file without the log was written.
void BoutSaveWithoutChangeLog(benchmark::State& state) {
    TempChampionship& file = fencedFile();
    QStringList names;
    {
        Statement triggers = file.db().prepare(
            QStringLiteral("SELECT name FROM sqlite_schema WHERE type = 'trigger'"));
        while (triggers.next()) {
            names << triggers.toText(0);
        }
    }
    for (const QString& name : names) {
        file.exec(QStringLiteral("DROP TRIGGER \"%1\"").arg(name));
    }
    int touches = 0;
    for (auto _ : state) {
        touches = (touches + 1) % 5;
        file.exec(QStringLiteral("BEGIN IMMEDIATE"));
        file.exec(
            QStringLiteral("DELETE FROM Results WHERE Weapon = 3 AND ((FencerNumber = 0 "
                           "AND Opponent = 14) OR (FencerNumber = 14 AND Opponent = 0))"));
        file.exec(QStringLiteral("INSERT INTO Results VALUES (3, 0, 14, -1, 5), (3, 14, 0, 0, ?)"),
                  {touches});
        file.exec(QStringLiteral("COMMIT"));
    }
}
BENCHMARK(BoutSaveWithoutChangeLog)->Unit(benchmark::kMicrosecond);

}  // namespace
