#include "entry/FencerChoices.h"

#include "db/Database.h"

Result<std::vector<FencerChoice>> FencerChoices::ForEvent(const Database& db, int weapon) {
    Statement rows = db.prepare(
        QStringLiteral("SELECT Name, FencerNumber FROM (SELECT trim(ifnull(R.LName, '')) || ', ' "
                       "|| trim(ifnull(R.FName, '')) || ' (' || ifnull(T.Abbreviation, '') || ')' "
                       "AS Name, R.FencerNumber FROM Teams AS T INNER JOIN Roster AS R ON T.Team "
                       "= R.Team WHERE R.Weapon = ?) AS Fencers ORDER BY lower(Name), "
                       "FencerNumber LIMIT ?"),
        {weapon, kMaxFencers});
    std::vector<FencerChoice> fencers;
    while (rows.next()) {
        fencers.push_back({rows.toInt(1), rows.toText(0)});
    }
    if (!rows.ok()) {
        return rows.status();
    }
    return fencers;
}

QString FencerChoices::DisplayName(const QString& caption) {
    const qsizetype open = caption.lastIndexOf(QLatin1Char('('));
    const QString suffix = open < 0 ? QString() : caption.mid(open);
    QString name = open < 0 ? caption : caption.left(open);
    const qsizetype comma = name.lastIndexOf(QLatin1Char(','));
    if (comma >= 0) {
        name = name.mid(comma + 1).trimmed() + QLatin1Char(' ') + name.left(comma).trimmed();
    }
    return name + QLatin1Char(' ') + suffix;
}
