#include "entry/BoutResults.h"
#include "entry/ResultsSimulator.h"
#include "support/ChampionshipBuilder.h"
#include "support/TempChampionship.h"

#include <benchmark/benchmark.h>

namespace {

// A fully fenced championship whose saves skip the wait for the disk, so that the cost of
// recording a change is not lost in the noise of the disk.
struct FencedFile {
    FencedFile() {
        ChampionshipBuilder builder(file);
        const QList<int> events = {0, 1, 2, 3, 4, 5};
        for (int event : events) {
            builder.drawFullEvent(event);
        }
        ResultsSimulator::Fill(file.db(), events, {0, 1, 2, 3, 4, 5, 6}, 1);
        file.exec(QStringLiteral("PRAGMA synchronous=OFF"));
    }
    TempChampionship file;
};

// A bout saved as the entry windows save it: the log learns who saves, the triggers record
// the change, all in the save's transaction. Compare with BoutSaveWithoutChangeLog: the
// difference is what the log adds to a save (it must stay under 1 ms).
void BoutSaveWithChangeLog(benchmark::State& state) {
    FencedFile c;
    int touches = 0;
    for (auto _ : state) {
        touches = (touches + 1) % 5;
        if (!BoutResults::Write(c.file.db(), 3, {{0, 14, BoutScore{5, touches, true}}})) {
            state.SkipWithError("save failed");
        }
    }
}
BENCHMARK(BoutSaveWithChangeLog)->Unit(benchmark::kMicrosecond);

// The same rows written as a file without the log was written.
void BoutSaveWithoutChangeLog(benchmark::State& state) {
    FencedFile c;
    QStringList names;
    {
        Statement triggers = c.file.db().prepare(
            QStringLiteral("SELECT name FROM sqlite_schema WHERE type = 'trigger'"));
        while (triggers.next()) {
            names << triggers.toText(0);
        }
    }
    for (const QString& name : names) {
        c.file.exec(QStringLiteral("DROP TRIGGER \"%1\"").arg(name));
    }
    int touches = 0;
    for (auto _ : state) {
        touches = (touches + 1) % 5;
        c.file.exec(QStringLiteral("BEGIN IMMEDIATE"));
        c.file.exec(
            QStringLiteral("DELETE FROM Results WHERE Weapon = 3 AND ((FencerNumber = 0 "
                           "AND Opponent = 14) OR (FencerNumber = 14 AND Opponent = 0))"));
        c.file.exec(
            QStringLiteral("INSERT INTO Results VALUES (3, 0, 14, -1, 5), (3, 14, 0, 0, ?)"),
            {touches});
        c.file.exec(QStringLiteral("COMMIT"));
    }
}
BENCHMARK(BoutSaveWithoutChangeLog)->Unit(benchmark::kMicrosecond);

}  // namespace
