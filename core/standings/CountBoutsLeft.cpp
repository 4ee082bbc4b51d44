#include "standings/CountBoutsLeft.h"

#include "db/Database.h"

#include <bitset>
#include <utility>
#include <vector>

namespace {

using Opponents = std::bitset<256>;

Status failure(const Statement& q) {
    return Status::failure(q.errorString());
}

}  // namespace

Status CountBoutsLeft(const Database& db, TeamVariant variant, std::map<int, int>& leftBySchool) {
    leftBySchool.clear();
    const SqlParams events = {FirstEventOf(variant), LastEventOf(variant)};
    std::vector<int> pool;
    Statement numbers = db.prepare(QStringLiteral("SELECT FencerNumber FROM FencerNumbers"));
    while (numbers.next()) {
        pool.push_back(numbers.toInt(0));
    }
    if (!numbers.ok()) {
        return failure(numbers);
    }
    // Opponents met per event and school.
    std::map<std::pair<int, int>, Opponents> met;
    Statement bouts =
        db.prepare(QStringLiteral("SELECT Roster.Weapon, Roster.Team, Results.Opponent FROM Roster "
                                  "INNER JOIN Results ON Results.Weapon = Roster.Weapon "
                                  "AND Results.FencerNumber = Roster.FencerNumber "
                                  "WHERE Roster.Weapon BETWEEN ? AND ?"),
                   events);
    while (bouts.next()) {
        met[{bouts.toInt(0), bouts.toInt(1)}].set(static_cast<size_t>(bouts.toInt(2) & 0xff));
    }
    if (!bouts.ok()) {
        return failure(bouts);
    }
    Statement fencers = db.prepare(
        QStringLiteral(
            "SELECT Weapon, FencerNumber, Team FROM Roster WHERE Weapon BETWEEN ? AND ?"),
        events);
    while (fencers.next()) {
        const int team = fencers.toInt(2);
        const int own = fencers.toInt(1);
        const Opponents& done = met[{fencers.toInt(0), team}];
        int& left = leftBySchool[team];
        for (int number : pool) {
            if (number != own && !done.test(static_cast<size_t>(number & 0xff))) {
                ++left;
            }
        }
    }
    return fencers.ok() ? Status::success() : failure(fencers);
}
