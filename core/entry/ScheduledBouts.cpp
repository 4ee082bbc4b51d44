#include "entry/ScheduledBouts.h"

#include "db/Database.h"

namespace {

// Group-mates meet in round one through the schedule rows that pair a group with itself.
const char* const kScheduledBouts =
    "SELECT S.Round, A.FencerNumber, B.FencerNumber, "
    "CASE WHEN A.Excluded <> 0 OR B.Excluded <> 0 THEN 1 ELSE 0 END, S.Stripset "
    "FROM Schedule AS S "
    "INNER JOIN Roster AS A ON A.\"Group\" = S.Group1 "
    "INNER JOIN Roster AS B ON B.\"Group\" = S.Group2 AND B.Weapon = A.Weapon "
    "WHERE A.Weapon = ?1 AND A.Subgroup < 3 AND B.Subgroup < 3 "
    "AND (S.Group1 <> S.Group2 OR A.Subgroup < B.Subgroup) ";

Result<std::vector<ScheduledBout>> readBouts(Statement& rows) {
    std::vector<ScheduledBout> bouts;
    while (rows.next()) {
        bouts.push_back(
            {rows.toInt(0), rows.toInt(1), rows.toInt(2), rows.toInt(3) != 0, rows.toInt(4)});
    }
    if (!rows.ok()) {
        return rows.status();
    }
    return bouts;
}

}  // namespace

Result<std::vector<ScheduledBout>> ScheduledBouts::ForEvent(const Database& db, int weapon) {
    Statement rows = db.prepare(QLatin1String(kScheduledBouts) +
                                    QStringLiteral("ORDER BY S.Round, S.Stripset, S.Group1 = "
                                                   "S.Group2, S.Group1, A.Subgroup, B.Subgroup"),
                                {weapon});
    return readBouts(rows);
}

Result<std::optional<ScheduledBout>> ScheduledBouts::Between(const Database& db, int weapon, int a,
                                                             int b) {
    Statement rows = db.prepare(
        QLatin1String(kScheduledBouts) +
            QStringLiteral("AND ((A.FencerNumber = ?2 AND B.FencerNumber = ?3) OR "
                           "(A.FencerNumber = ?3 AND B.FencerNumber = ?2)) ORDER BY S.Round"),
        {weapon, a, b});
    const Result<std::vector<ScheduledBout>> bouts = readBouts(rows);
    if (!bouts) {
        return bouts.status();
    }
    if (bouts->empty()) {
        return std::optional<ScheduledBout>();
    }
    return std::optional<ScheduledBout>(bouts->front());
}

Result<bool> ScheduledBouts::HasFencer(const Database& db, int weapon, int fencer) {
    const Result<std::optional<long long>> count = db.queryInt(
        QStringLiteral("SELECT COUNT(*) FROM Roster WHERE Weapon = ? AND FencerNumber = ?"),
        {weapon, fencer});
    if (!count) {
        return count.status();
    }
    return count->value_or(0) > 0;
}
