#include "entry/FencerRecord.h"

#include "db/Database.h"
#include "entry/BoutResults.h"
#include "entry/ScoreRules.h"

namespace {

// Round one's schedule pairs each group with itself, so group-mates are round-one opponents.
const char* const kOpponents =
    "SELECT S.Round, ifnull(T.MediumTeamName, ''), "
    "trim(ifnull(O.FName, '') || ' ' || ifnull(O.LName, '')), O.FencerNumber, O.Excluded "
    "FROM Roster AS F "
    "INNER JOIN Roster AS O ON O.Weapon = F.Weapon AND O.FencerNumber <> F.FencerNumber "
    "INNER JOIN Teams AS T ON T.Team = O.Team "
    "INNER JOIN Schedule AS S ON (F.\"Group\" = S.Group1 AND O.\"Group\" = S.Group2) "
    "OR (F.\"Group\" = S.Group2 AND O.\"Group\" = S.Group1) "
    "WHERE F.Weapon = ? AND F.FencerNumber = ? "
    "ORDER BY S.Round, O.\"Group\" = F.\"Group\" DESC, O.Subgroup, O.FencerNumber";

}  // namespace

Result<FencerRecord> FencerRecord::Load(const Database& db, int weapon, int fencer) {
    FencerRecord record;
    Statement rows = db.prepare(QLatin1String(kOpponents), {weapon, fencer});
    while (rows.next()) {
        RecordBout bout;
        bout.round = rows.toInt(0);
        bout.school = rows.toText(1);
        bout.opponentName = rows.toText(2);
        bout.opponent = rows.toInt(3);
        bout.opponentExcluded = rows.toInt(4) != 0;
        const Result<std::optional<BoutScore>> score =
            BoutResults::Read(db, weapon, fencer, bout.opponent);
        if (!score) {
            return score.status();
        }
        bout.score = *score;
        if (bout.score) {
            ++(bout.score->leftWins ? record.wins : record.losses);
            record.scored += bout.score->leftTouches;
            record.received += bout.score->rightTouches;
        }
        record.bouts.push_back(bout);
    }
    if (!rows.ok()) {
        return rows.status();
    }
    return record;
}

QString FencerRecord::victoriesText() const {
    return QStringLiteral("%1-%2").arg(wins).arg(losses);
}

QString FencerRecord::touchesText() const {
    return QStringLiteral("%1-%2").arg(scored).arg(received);
}

QString FencerRecord::indicatorText() const {
    return ScoreRules::IndicatorText(scored - received);
}
