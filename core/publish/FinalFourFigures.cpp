#include "publish/FinalFourFigures.h"

#include "db/Database.h"
#include "entry/ScoreRules.h"
#include "standings/MirroredResultsSql.h"

std::optional<FinalFourFigures> FinalFourFigures::Load(const Database& db, int event, int fencer,
                                                       Status* status) {
    // The same exclusions and rounded percentage as the ranked work table.
    Statement q = db.prepare(
        QStringLiteral("SELECT Roster.ExcludedButCount, "
                       "ifnull(Roster.FName,'') || ' ' || ifnull(Roster.LName,''), "
                       "ifnull(Teams.MediumTeamName,''), -Sum(Results.Victory), "
                       "printf('%.3f', CAST(-1000.0 * Sum(Results.Victory) / CASE WHEN "
                       "-Sum(Results.Victory) - Sum(RE1.Victory) = 0 THEN 10000 ELSE "
                       "-Sum(Results.Victory) - Sum(RE1.Victory) END + 0.5 AS INTEGER) / 1000.0), "
                       "Sum(Results.Touches), Sum(RE1.Touches) FROM") +
            QLatin1String(kMirroredResults) +
            QStringLiteral("WHERE Roster.Excluded = 0 AND RO1.Excluded = 0 AND Results.Weapon = ? "
                           "AND Results.FencerNumber = ?") +
            QLatin1String(kGroupByFencer),
        {event, fencer});
    *status = Status::success();
    if (!q.next()) {
        if (!q.ok()) {
            *status = Status::failure(q.errorString());
        }
        return std::nullopt;
    }
    FinalFourFigures f;
    f.ExcludedButCount = q.toInt(0) != 0;
    f.Name = q.toText(1);
    f.School = q.toText(2);
    f.V = q.toInt(3);
    f.Pct = q.toText(4);
    f.TS = q.toInt(5);
    f.TR = q.toInt(6);
    f.Ind = ScoreRules::IndicatorText(f.TS - f.TR);
    return f;
}
