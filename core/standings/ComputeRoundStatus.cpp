#include "standings/ComputeRoundStatus.h"

#include "db/Database.h"
#include "standings/MirroredResultsSql.h"

#include <array>
#include <map>
#include <utility>

namespace {

constexpr int kRounds = 7;

// Excluded and injured fencers fence no more, so their rounds can never fill up.
Status countSkipped(const Database& db, int event, int& skipped) {
    Statement count =
        db.prepare(QStringLiteral("SELECT Count(FencerNumber) FROM Roster "
                                  "WHERE Weapon=? AND (Excluded <> 0 OR Injury <> 0)"),
                   {event});
    skipped = count.next() ? count.toInt(0) : 0;
    return count.ok() ? Status::success() : Status::failure(count.errorString());
}

// Every decided bout has exactly one victory, so the victories of a round are its decided
// bouts. A bout belongs to the round whose schedule pairs its two fencers' groups.
Status countDecidedBouts(const Database& db, int event, std::array<int, kRounds>& decided) {
    decided.fill(0);
    std::map<std::pair<int, int>, int> byGroups;
    Statement victories = db.prepare(
        QStringLiteral("SELECT Roster.\"Group\", RO1.\"Group\", -Sum(Results.Victory) FROM") +
            QLatin1String(kMirroredResults) +
            QStringLiteral("WHERE Roster.Excluded = 0 AND RO1.Excluded = 0 AND Results.Weapon = ? "
                           "GROUP BY Roster.\"Group\", RO1.\"Group\""),
        {event});
    while (victories.next()) {
        byGroups[{victories.toInt(0), victories.toInt(1)}] = victories.toInt(2);
    }
    if (!victories.ok()) {
        return Status::failure(victories.errorString());
    }
    Statement schedule = db.prepare(QStringLiteral("SELECT Round, Group1, Group2 FROM Schedule"));
    while (schedule.next()) {
        const int round = schedule.toInt(0);
        const int left = schedule.toInt(1);
        const int right = schedule.toInt(2);
        if (round < 0 || round >= kRounds) {
            continue;
        }
        int& v = decided[static_cast<size_t>(round)];
        v += byGroups[{left, right}];
        if (left != right) {
            v += byGroups[{right, left}];
        }
    }
    return schedule.ok() ? Status::success() : Status::failure(schedule.errorString());
}

}  // namespace

Status ComputeRoundStatus(const Database& db, int event, QString& text) {
    int skipped = 0;
    std::array<int, kRounds> decided{};
    if (Status s = countSkipped(db, event, skipped); !s) {
        return s;
    }
    if (Status s = countDecidedBouts(db, event, decided); !s) {
        return s;
    }
    int lastComplete = -1;
    for (int round = 0; round < kRounds; ++round) {
        const int v = decided[static_cast<size_t>(round)];
        // A round without any decided bout ends the walk, also when a later round has some.
        if (v == 0) {
            break;
        }
        const int expected = round == 0 ? 60 : 36;
        const int allowance = skipped * (round == 0 ? 5 : 3);
        if (v + allowance < expected) {
            text = QStringLiteral("Standings During Round %1").arg(round + 1);
            return Status::success();
        }
        lastComplete = round;
    }
    if (lastComplete == kRounds - 1) {
        text = QStringLiteral("Final Pool Standings");
    } else if (lastComplete < 0) {
        text = QStringLiteral("NO DATA AVAILABLE");
    } else {
        text = QStringLiteral("Standings After Round %1").arg(lastComplete + 1);
    }
    return Status::success();
}

QString FinalFourRoundStatus(const QString& poolStatus, bool seeded, bool inProgress) {
    if (!seeded) {
        return poolStatus;
    }
    return inProgress ? QStringLiteral("Final Four In Progress")
                      : QStringLiteral("Final Standings");
}
