#include "standings/BuildLiveStandings.h"
#include "standings/BuildLiveTeamStandings.h"
#include "standings/FillTeamScratchpad.h"
#include "standings/LoadFinalFourPicture.h"
#include "standings/RankScratchpad.h"
#include "standings/RankedPlaces.h"
#include "support/TempChampionship.h"

#include "BenchValue.h"
#include "FencedChampionship.h"

#include <benchmark/benchmark.h>

namespace {

// Six drawn events of 24 fencers with every bout of the seven rounds fenced, and the
// men's saber Final Four under way.
const TempChampionship& FullChampionship() {
    static const TempChampionship* file = [] {
        auto* made = &NewFencedChampionship();
        made->exec(
            QStringLiteral("UPDATE Roster SET Advanced = -1 WHERE Weapon = 0 AND "
                           "FencerNumber < 4"));
        made->exec(
            QStringLiteral("INSERT INTO FinalFour VALUES (0, 0, 0, 3, 0, '5-2'), "
                           "(0, 1, 2, 1, 1, '5-4'), (0, 10, 0, 1, 99, '')"));
        return made;
    }();
    return *file;
}

// What the results window and the downloads recompute: every event and the schools.
void LiveStandingsOfTheWholeChampionship(benchmark::State& state) {
    const Database& db = FullChampionship().db();
    for (auto _ : state) {
        for (int w = 0; w < 6; ++w) {
            LiveStandings standings;
            if (!BuildLiveStandings(db, w, standings) || standings.Rows.size() != 24) {
                state.SkipWithError("live standings failed");
            }
            benchmark::DoNotOptimize(standings);
        }
        std::vector<TeamStandingsRow> schools;
        if (!BuildLiveTeamStandings(db, TeamVariant::AllEvents, schools)) {
            state.SkipWithError("school standings failed");
        }
        benchmark::DoNotOptimize(schools);
    }
}
BENCHMARK(LiveStandingsOfTheWholeChampionship)->Unit(benchmark::kMillisecond);

void OneEventsLiveStandings(benchmark::State& state) {
    const Database& db = FullChampionship().db();
    for (auto _ : state) {
        LiveStandings standings;
        Require(BuildLiveStandings(db, 0, standings));
        benchmark::DoNotOptimize(standings);
    }
}
BENCHMARK(OneEventsLiveStandings)->Unit(benchmark::kMillisecond);

// What a report run computes: the work tables, then every event's ranked places.
void WorkTablesOfTheWholeChampionship(benchmark::State& state) {
    const Database& db = FullChampionship().db();
    for (auto _ : state) {
        if (!RankScratchpad(db) || !FillTeamScratchpad(db, TeamVariant::AllEvents)) {
            state.SkipWithError("work tables failed");
        }
        PlaceOf placeOf{};
        for (int w = 0; w < 6; ++w) {
            FinalFourPicture picture;
            std::vector<RankedPlace> rows;
            Require(LoadFinalFourPicture(db, w, picture, &placeOf));
            Require(RankedPlaces(db, w, picture, rows, placeOf));
            benchmark::DoNotOptimize(rows);
        }
    }
}
BENCHMARK(WorkTablesOfTheWholeChampionship)->Unit(benchmark::kMillisecond);

}  // namespace
