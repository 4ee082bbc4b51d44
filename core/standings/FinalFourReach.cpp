#include "standings/FinalFourReach.h"

#include "db/Database.h"
#include "entry/BoutResults.h"
#include "entry/ScheduledBouts.h"
#include "standings/SeedingTable.h"

#include <algorithm>
#include <set>

namespace {

Status readExcluded(const Database& db, int event, std::set<int>& excluded) {
    Statement q = db.prepare(
        QStringLiteral("SELECT FencerNumber FROM Roster WHERE Weapon = ? AND Excluded <> 0"),
        {event});
    while (q.next()) {
        excluded.insert(q.toInt(0));
    }
    return q.status();
}

// The victories the fourth seed has today; nobody needs more to stay in the race.
int fourthBestVictories(const std::map<int, FinalFourReach>& fencers,
                        const std::set<int>& excluded) {
    std::vector<int> victories;
    for (const auto& [number, reach] : fencers) {
        if (excluded.count(number) == 0) {
            victories.push_back(reach.victories);
        }
    }
    if (victories.size() < static_cast<size_t>(SeedingTable::kSeeds)) {
        return 0;
    }
    std::nth_element(victories.begin(), victories.begin() + (SeedingTable::kSeeds - 1),
                     victories.end(), std::greater<>());
    return victories[SeedingTable::kSeeds - 1];
}

}  // namespace

std::map<int, FinalFourReach> ComputeFinalFourReach(const std::vector<LiveStandingsRow>& rows,
                                                    const std::vector<BoutLeft>& boutsLeft,
                                                    const std::set<int>& excluded) {
    std::map<int, FinalFourReach> fencers;
    for (const LiveStandingsRow& row : rows) {
        fencers[row.FencerNumber].victories = row.V;
    }
    for (auto& [number, reach] : fencers) {
        reach.mostVictories = reach.victories;
    }
    for (const auto& [left, right] : boutsLeft) {
        ++fencers[left].mostVictories;
        ++fencers[right].mostVictories;
    }
    const int fourth = fourthBestVictories(fencers, excluded);
    for (auto& [number, reach] : fencers) {
        reach.canReach = excluded.count(number) == 0 && reach.mostVictories >= fourth;
    }
    return fencers;
}

Result<std::map<int, FinalFourReach>> BuildFinalFourReach(
    const Database& db, int event, const std::vector<LiveStandingsRow>& rows) {
    std::set<int> excluded;
    if (Status s = readExcluded(db, event, excluded); !s) {
        return s;
    }
    const Result<std::vector<BoutEntry>> recordedBouts = BoutResults::ReadAll(db, event);
    if (!recordedBouts) {
        return recordedBouts.status();
    }
    const Result<std::vector<ScheduledBout>> scheduled = ScheduledBouts::ForEvent(db, event);
    if (!scheduled) {
        return scheduled.status();
    }
    std::set<BoutLeft> recorded;
    for (const BoutEntry& bout : *recordedBouts) {
        recorded.insert(std::minmax(bout.fencer, bout.opponent));
    }
    std::vector<BoutLeft> boutsLeft;
    for (const ScheduledBout& bout : *scheduled) {
        if (!bout.excluded && recorded.count(std::minmax(bout.left, bout.right)) == 0) {
            boutsLeft.emplace_back(bout.left, bout.right);
        }
    }
    return ComputeFinalFourReach(rows, boutsLeft, excluded);
}
