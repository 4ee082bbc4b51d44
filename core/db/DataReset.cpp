#include "db/DataReset.h"

#include "db/ChangeLog.h"
#include "db/Database.h"
#include "db/Transaction.h"

namespace DataReset {

Status InitializeResults(const Database& db, bool eraseRosters) {
    Transaction transaction(db);
    if (!transaction.begun()) {
        return transaction.begun();
    }
    if (Status logged =
            ChangeLog::RecordInstead(db, QStringLiteral("reset"),
                                     eraseRosters ? QStringLiteral("results and rosters erased")
                                                  : QStringLiteral("results erased"));
        !logged) {
        return logged;
    }
    // Results refer to roster rows, so they go first.
    QStringList statements = {
        QStringLiteral("DELETE FROM FinalFour"), QStringLiteral("DELETE FROM Results"),
        QStringLiteral("UPDATE Roster SET Excluded=0, ExcludedButCount=0, Injury=0, Advanced=0")};
    if (eraseRosters) {
        statements << QStringLiteral("DELETE FROM Roster");
    }
    for (const QString& sql : statements) {
        if (Status done = db.exec(sql); !done) {
            return done;
        }
    }
    return transaction.commit();
}

}  // namespace DataReset
