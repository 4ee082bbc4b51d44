#include "print/ScheduleChoices.h"

#include "print/ScheduleReports.h"

namespace ScheduleChoices {

namespace {

QString inEvents(const QList<int>& events, SqlParams& params) {
    QStringList marks;
    for (int event : events) {
        marks << QStringLiteral("?");
        params.push_back(event);
    }
    return QStringLiteral("Roster.Weapon IN (%1)").arg(marks.join(QLatin1Char(',')));
}

}  // namespace

Result<QList<Choice>> Schools(const Database& db, const QList<int>& events) {
    QList<Choice> choices{{QStringLiteral("ALL TEAMS..."), ScheduleReports::kAll}};
    SqlParams params;
    const QString where = inEvents(events, params);
    Statement rows =
        db.prepare(QStringLiteral("SELECT DISTINCT Teams.MediumTeamName, Teams.Team FROM Teams "
                                  "JOIN Roster ON Teams.Team = Roster.Team WHERE %1 "
                                  "ORDER BY Teams.MediumTeamName")
                       .arg(where),
                   params);
    while (rows.next()) {
        choices.append({rows.toText(0), rows.toInt(1)});
    }
    if (!rows.ok()) {
        return rows.status();
    }
    return choices;
}

Result<QList<Choice>> Fencers(const Database& db, const QList<int>& events, int team) {
    QList<Choice> choices{{QStringLiteral("ALL FENCERS..."), ScheduleReports::kAll}};
    SqlParams params;
    const QString where = inEvents(events, params);
    params.push_back(team);
    Statement rows =
        db.prepare(QStringLiteral("SELECT Weapon, FencerNumber, "
                                  "ifnull(LName,'') || ', ' || ifnull(FName,'') AS FencerName "
                                  "FROM Roster WHERE %1 AND Roster.Team=? "
                                  "ORDER BY Roster.Weapon, Roster.LName, Roster.FName")
                       .arg(where),
                   params);
    while (rows.next()) {
        choices.append({rows.toText(2), rows.toInt(0) * 100 + rows.toInt(1)});
    }
    if (!rows.ok()) {
        return rows.status();
    }
    return choices;
}

}  // namespace ScheduleChoices
