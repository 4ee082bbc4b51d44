#include "roster/GroupDraw.h"
#include "roster/GroupStore.h"
#include "roster/RosterStore.h"
#include "roster/SchoolList.h"
#include "support/ChampionshipBuilder.h"
#include "support/TempChampionship.h"

#include <benchmark/benchmark.h>

namespace {

// A full championship: 144 fencers over the six events.
void fillChampionship(const TempChampionship& file) {
    ChampionshipBuilder build(file);
    for (int weapon = 0; weapon < 6; ++weapon) {
        build.drawFullEvent(weapon);
    }
}

void LoadEventRoster(benchmark::State& state) {
    TempChampionship file;
    fillChampionship(file);
    const RosterStore store(file.db());
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.load(3));
    }
}
BENCHMARK(LoadEventRoster)->Unit(benchmark::kMillisecond);

// The worst save: every one of the 24 rows changed.
void SaveFullEventRoster(benchmark::State& state) {
    TempChampionship file;
    fillChampionship(file);
    const RosterStore store(file.db());
    const std::vector<RosterRow> loaded = store.load(2);
    std::vector<RosterRow> rows = loaded;
    for (RosterRow& row : rows) {
        row.changed = true;
        row.html.clear();
    }
    for (auto _ : state) {
        std::vector<RosterRow> typed = rows;
        std::vector<RosterRow> before = loaded;
        if (!store.save(2, typed, before)) {
            state.SkipWithError("save failed");
        }
    }
}
BENCHMARK(SaveFullEventRoster)->Unit(benchmark::kMillisecond);

// Re-randomize followed by Save in the group view.
void DrawAndSaveGroups(benchmark::State& state) {
    TempChampionship file;
    fillChampionship(file);
    const std::vector<RosterRow> rows = RosterStore(file.db()).load(4);
    const SchoolList schools = SchoolList::Load(file.db());
    const GroupDraw::Random random = GroupDraw::SeededRandom(7);
    const GroupStore store(file.db());
    for (auto _ : state) {
        const auto drawn = GroupDraw::Draw(rows, schools, random);
        if (!drawn || !store.save(4, drawn->groupSlots)) {
            state.SkipWithError("draw failed");
        }
    }
}
BENCHMARK(DrawAndSaveGroups)->Unit(benchmark::kMillisecond);

}  // namespace
