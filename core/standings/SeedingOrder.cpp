#include "standings/SeedingOrder.h"

#include "db/Database.h"
#include "standings/MirroredResultsSql.h"
#include "standings/ReadLiveFigures.h"

Status SeedingOrder(const Database& db, int event, std::vector<SeedingRow>& out) {
    out.clear();
    Statement q = db.prepare(
        QStringLiteral("SELECT ") + QLatin1String(kLiveFigures) +
            QStringLiteral(", Roster.FencerNumber, Roster.LName, Roster.FName, "
                           "ifnull(Teams.Abbreviation,''), Roster.Excluded FROM") +
            QLatin1String(kMirroredResults) +
            QStringLiteral("WHERE RO1.Excluded = 0 AND Results.Weapon = ?") +
            QLatin1String(kGroupByFencer) + QStringLiteral("ORDER BY ") + QLatin1String(kLiveOrder),
        {event});
    while (q.next()) {
        SeedingRow row;
        ReadLiveFigures(q, row);
        row.FencerNumber = q.toInt(5);
        row.LName = q.toText(6);
        row.FName = q.toText(7);
        row.Abbreviation = q.toText(8);
        row.Excluded = q.toInt(9) != 0;
        out.push_back(std::move(row));
    }
    return q.ok() ? Status::success() : Status::failure(q.errorString());
}
