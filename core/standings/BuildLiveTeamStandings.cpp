#include "standings/BuildLiveTeamStandings.h"

#include "db/Database.h"
#include "standings/CountBoutsLeft.h"
#include "standings/MirroredResultsSql.h"

#include <algorithm>
#include <map>

namespace {

Status readVictories(const Database& db, TeamVariant variant,
                     std::map<int, TeamStandingsRow>& schools) {
    Statement q = db.prepare(
        QStringLiteral("SELECT Teams.Team, Teams.FullTeamName, Results.Weapon, "
                       "-Sum(Results.Victory) FROM") +
            QLatin1String(kMirroredResults) +
            QStringLiteral("WHERE Results.Weapon BETWEEN ? AND ? AND Roster.Excluded = 0 AND "
                           "RO1.Excluded = 0 GROUP BY Teams.Team, Results.Weapon"),
        {FirstEventOf(variant), LastEventOf(variant)});
    while (q.next()) {
        TeamStandingsRow& row = schools[q.toInt(0)];
        row.School = q.toText(1);
        const int event = q.toInt(2);
        const int v = q.toInt(3);
        // An event in which the school won nothing stays empty.
        if (v != 0 && event >= 0 && event < static_cast<int>(row.Events.size())) {
            row.Events[static_cast<size_t>(event)] = v;
        }
        row.Total += v;
    }
    return q.ok() ? Status::success() : Status::failure(q.errorString());
}

void assignPlaces(std::vector<TeamStandingsRow>& rows) {
    int previousTotal = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (i > 0 && rows[i].Total == previousTotal) {
            QString& shared = rows[i - 1].PlaceText;
            if (!shared.endsWith(QLatin1Char('T'))) {
                shared += QLatin1Char('T');
            }
            rows[i].PlaceText = shared;
        } else {
            rows[i].PlaceText = QString::number(i + 1);
            previousTotal = rows[i].Total;
        }
    }
}

}  // namespace

Status BuildLiveTeamStandings(const Database& db, TeamVariant variant,
                              std::vector<TeamStandingsRow>& out) {
    out.clear();
    std::map<int, TeamStandingsRow> schools;
    if (Status s = readVictories(db, variant, schools); !s) {
        return s;
    }
    std::map<int, int> left;
    if (Status s = CountBoutsLeft(db, variant, left); !s) {
        return s;
    }
    for (auto& [team, row] : schools) {
        row.Left = left[team];
        out.push_back(std::move(row));
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const TeamStandingsRow& a, const TeamStandingsRow& b) {
                         if (a.Total != b.Total) {
                             return a.Total > b.Total;
                         }
                         return a.School.compare(b.School, Qt::CaseInsensitive) < 0;
                     });
    assignPlaces(out);
    return Status::success();
}
