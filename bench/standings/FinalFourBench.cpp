#include "standings/FinalFourBracket.h"
#include "standings/FinalFourSeeding.h"
#include "standings/SeedingTable.h"
#include "support/TempChampionship.h"

#include "BenchValue.h"
#include "FencedChampionship.h"

#include <benchmark/benchmark.h>

namespace {

// Six drawn events with every bout of the seven rounds fenced.
const TempChampionship& FencedChampionship() {
    static const TempChampionship* file = [] {
        auto* made = &NewFencedChampionship();
        return made;
    }();
    return *file;
}

// Opening the seeding window and saving its proposal.
void ProposeAndSaveASeeding(benchmark::State& state) {
    const Database& db = FencedChampionship().db();
    for (auto _ : state) {
        SeedingTable table;
        if (!table.Load(db, 1) || !table.Seeds() ||
            !FinalFourSeeding::Save(db, 1, *table.Seeds())) {
            state.SkipWithError("seeding failed");
        }
    }
}
BENCHMARK(ProposeAndSaveASeeding)->Unit(benchmark::kMillisecond);

// Loading the bracket, deciding both semifinals and saving, as one entry does.
void EnterBothSemifinals(benchmark::State& state) {
    const Database& db = FencedChampionship().db();
    if (!FinalFourSeeding::Save(db, 2, {0, 1, 2, 3})) {
        state.SkipWithError("seeding failed");
    }
    for (auto _ : state) {
        FinalFourBracket bracket;
        Require(bracket.Load(db, 2));
        bracket.ChooseWinner(0);
        bracket.setScore(10, QStringLiteral("5-3"));
        bracket.ChooseWinner(3);
        bracket.setScore(11, QStringLiteral("5-4"));
        if (!bracket.Save(db, 2)) {
            state.SkipWithError("save failed");
        }
    }
}
BENCHMARK(EnterBothSemifinals)->Unit(benchmark::kMillisecond);

}  // namespace
