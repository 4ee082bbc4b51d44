#include "standings/FillTeamScratchpad.h"

#include "db/Database.h"
#include "db/Transaction.h"

namespace {

QString columnsOf(TeamVariant variant) {
    switch (variant) {
        case TeamVariant::Men:
            return QStringLiteral(
                "ifnull(ME,0) + ifnull(MF,0) + ifnull(MS,0), ME, MF, MS, NULL, "
                "NULL, NULL");
        case TeamVariant::Women:
            return QStringLiteral(
                "ifnull(WE,0) + ifnull(WF,0) + ifnull(WS,0), NULL, NULL, NULL, "
                "WE, WF, WS");
        case TeamVariant::AllEvents:
            break;
    }
    return QStringLiteral(
        "ifnull(ME,0) + ifnull(MF,0) + ifnull(MS,0) + ifnull(WE,0) + "
        "ifnull(WF,0) + ifnull(WS,0), ME, MF, MS, WE, WF, WS");
}

}  // namespace

Status FillTeamScratchpad(const Database& db, TeamVariant variant) {
    Transaction transaction(db);
    if (!transaction.begun()) {
        return transaction.begun();
    }
    if (Status s = db.exec(QStringLiteral("DELETE FROM TeamScratchpad")); !s) {
        return s;
    }
    if (Status s = db.exec(QStringLiteral("INSERT INTO TeamScratchpad (FullTeamName, Points, ME, "
                                          "MF, MS, WE, WF, WS) SELECT FullTeamName, ") +
                           columnsOf(variant) +
                           QStringLiteral(" FROM vTeamPointsCT WHERE FullTeamName IS NOT NULL"));
        !s) {
        return s;
    }
    return transaction.commit();
}
