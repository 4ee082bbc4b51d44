#include "entry/StripHeader.h"

#include "db/Database.h"

namespace {

Result<QStringList> indexedTexts(const Database& db, const QString& sql, const SqlParams& params,
                                 int count) {
    QStringList texts;
    for (int i = 0; i < count; ++i) {
        texts << QString();
    }
    Statement rows = db.prepare(sql, params);
    while (rows.next()) {
        const int index = rows.toInt(0);
        if (index >= 0 && index < count) {
            texts[index] = rows.toText(1);
        }
    }
    if (!rows.ok()) {
        return rows.status();
    }
    return texts;
}

}  // namespace

Result<QStringList> StripHeader::EventNames(const Database& db) {
    return indexedTexts(
        db, QStringLiteral("SELECT Weapon, WeaponName FROM Weapons WHERE Weapon < 10"), {}, 6);
}

Result<QStringList> StripHeader::StripNames(const Database& db, int weapon) {
    return indexedTexts(
        db, QStringLiteral("SELECT StripSet, StripName FROM StripNumbers WHERE Weapon = ?"),
        {weapon}, 4);
}

Result<QString> StripHeader::Matchup(const Database& db, int round, int stripSet) {
    Statement row =
        db.prepare(QStringLiteral("SELECT G1.GroupName, G2.GroupName FROM Schedule AS S "
                                  "INNER JOIN Groups AS G1 ON G1.\"Group\" = S.Group1 "
                                  "INNER JOIN Groups AS G2 ON G2.\"Group\" = S.Group2 "
                                  "WHERE S.Round = ? AND S.Stripset = ? AND S.Group1 <> S.Group2"),
                   {round, stripSet});
    if (!row.next()) {
        if (!row.ok()) {
            return row.status();
        }
        return QString();
    }
    return row.toText(0) + QStringLiteral(" vs. ") + row.toText(1);
}
