#include "db/ChampionshipCopy.h"
#include "db/ChampionshipStore.h"
#include "entry/BoutResults.h"
#include "standings/BuildLiveStandings.h"
#include "standings/BuildLiveTeamStandings.h"
#include "standings/EventCodes.h"
#include "support/PgCluster.h"

#include "FencedChampionship.h"

#include <benchmark/benchmark.h>

namespace {

// The fully fenced championship copied to a database of a throwaway local cluster, as the
// stations of a hall share it; null (and the benchmarks skipped) without the server programs.
const Database* fencedOnServer(QString* whyNot) {
    static QString reason;
    static const std::unique_ptr<Database> db = []() -> std::unique_ptr<Database> {
        PgCluster* cluster = PgCluster::Shared(&reason);
        if (cluster == nullptr) {
            return nullptr;
        }
        const QString uri = cluster->freshDatabase();
        const TempChampionship& file = NewFencedChampionship();
        const Status created = ChampionshipStore::Create(uri, false, [&file](const SqlStore& to) {
            return ChampionshipCopy::CopyRows(file.db(), to).status();
        });
        if (!created) {
            reason = created.message();
            return nullptr;
        }
        ChampionshipStore::Opened opened = ChampionshipStore::Open(uri);
        reason = opened.reason;
        return std::move(opened.store);
    }();
    *whyNot = reason;
    return db.get();
}

const Database* fencedOnServerOrSkip(benchmark::State& state) {
    QString whyNot;
    const Database* db = fencedOnServer(&whyNot);
    if (db == nullptr) {
        state.SkipWithError(whyNot.toStdString().c_str());
    }
    return db;
}

// A bout saved from a station: the save lock, the change log's triggers and the commit, over
// the server's socket. It must stay under 10 ms.
void BoutSaveOnServer(benchmark::State& state) {
    const Database* db = fencedOnServerOrSkip(state);
    if (db == nullptr) {
        return;
    }
    int touches = 0;
    for (auto _ : state) {
        touches = (touches + 1) % 5;
        if (!BoutResults::Write(*db, 3, {{0, 14, BoutScore{5, touches, true}}})) {
            state.SkipWithError("save failed");
        }
    }
}
BENCHMARK(BoutSaveOnServer)->Unit(benchmark::kMillisecond);

// Every event's standings and the schools' as the results window shows them, read from the
// server. It must stay under 50 ms.
void StandingsOfTheWholeChampionshipOnServer(benchmark::State& state) {
    const Database* db = fencedOnServerOrSkip(state);
    if (db == nullptr) {
        return;
    }
    for (auto _ : state) {
        for (int event = 0; event < kEventCount; ++event) {
            LiveStandings standings;
            if (!BuildLiveStandings(*db, event, standings) || standings.Rows.size() != 24) {
                state.SkipWithError("standings failed");
            }
        }
        std::vector<TeamStandingsRow> schools;
        if (!BuildLiveTeamStandings(*db, TeamVariant::AllEvents, schools)) {
            state.SkipWithError("team standings failed");
        }
    }
}
BENCHMARK(StandingsOfTheWholeChampionshipOnServer)->Unit(benchmark::kMillisecond);

}  // namespace
