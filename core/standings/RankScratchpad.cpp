#include "standings/RankScratchpad.h"

#include "db/Database.h"
#include "db/Transaction.h"
#include "standings/MirroredResultsSql.h"

namespace {

// The report's percentage counts decided bouts only and is rounded half up to thousandths;
// with no decided bout the divisor 10000 gives 0. The values are never negative, so the
// truncating cast rounds as Int() does. The fencer's keys come from the roster row the
// rows are grouped by, which a server requires.
const char* const kFill =
    "INSERT INTO ResultsScratchpad (Weapon, FencerNumber, Name, MediumTeamName, V, Pct, Ind, TS, "
    "TR) SELECT Roster.Weapon, Roster.FencerNumber, "
    "ifnull(Roster.FName,'') || ' ' || ifnull(Roster.LName,''), NULLIF(Teams.MediumTeamName,''), "
    "-Sum(Results.Victory), "
    "CAST(-1000.0 * Sum(Results.Victory) / CASE WHEN -Sum(Results.Victory) - Sum(RE1.Victory) = 0 "
    "THEN 10000 ELSE -Sum(Results.Victory) - Sum(RE1.Victory) END + 0.5 AS INTEGER) / 1000.0, "
    "Sum(Results.Touches) - Sum(RE1.Touches), Sum(Results.Touches), Sum(RE1.Touches) FROM";

const char* const kRank =
    "UPDATE ResultsScratchpad SET RankOrder = "
    "10000000000.0 * V + 1000000.0 * CAST(1000 * Pct + .5 AS INTEGER) + 1000.0 * Ind + TS";

}  // namespace

Status RankScratchpad(const Database& db) {
    Transaction transaction(db);
    if (!transaction.begun()) {
        return transaction.begun();
    }
    const QString fill = QLatin1String(kFill) + QLatin1String(kMirroredResults) +
                         QStringLiteral("WHERE Roster.Excluded = 0 AND RO1.Excluded = 0") +
                         QLatin1String(kGroupByFencer);
    for (const QString& sql :
         {QStringLiteral("DELETE FROM ResultsScratchpad"), fill, QString::fromLatin1(kRank)}) {
        if (Status s = db.exec(sql); !s) {
            return s;
        }
    }
    return transaction.commit();
}
