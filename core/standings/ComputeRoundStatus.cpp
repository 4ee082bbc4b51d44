#include "standings/ComputeRoundStatus.h"

#include "db/Database.h"
#include "standings/MirroredResultsSql.h"

#include <array>

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

// Every decided bout has exactly one victory, so the victories of a round are its decided bouts.
Status countDecidedBouts(const Database& db, int event, std::array<int, kRounds>& decided) {
    decided.fill(0);
    // Schedule joined last: each result pair looks up the round its two groups meet in.
    Statement rounds = db.prepare(
        QStringLiteral("SELECT Schedule.Round, -Sum(Results.Victory) FROM") +
            QLatin1String(kMirroredResults) +
            QStringLiteral("CROSS JOIN Schedule "
                           "WHERE ((Schedule.Group2 = RO1.\"Group\" AND Schedule.Group1 = "
                           "Roster.\"Group\") OR (Schedule.Group2 = Roster.\"Group\" AND "
                           "Schedule.Group1 = RO1.\"Group\")) AND Roster.Excluded = 0 AND "
                           "RO1.Excluded = 0 AND Results.Weapon = ? "
                           "GROUP BY Schedule.Round ORDER BY Schedule.Round"),
        {event});
    while (rounds.next()) {
        const int round = rounds.toInt(0);
        if (round >= 0 && round < kRounds) {
            decided[static_cast<size_t>(round)] = rounds.toInt(1);
        }
    }
    return rounds.ok() ? Status::success() : Status::failure(rounds.errorString());
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
