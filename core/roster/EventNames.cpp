#include "roster/EventNames.h"

#include "db/Database.h"

namespace {

QStringList namesByCode(const Database& db, const QString& sql, int count) {
    QStringList names;
    for (int i = 0; i < count; ++i) {
        names << QString();
    }
    Statement query = db.prepare(sql);
    while (query.next()) {
        const int code = query.toInt(0);
        if (code >= 0 && code < count) {
            names[code] = query.toText(1);
        }
    }
    return names;
}

}  // namespace

QStringList EventNames(const Database& db) {
    return namesByCode(
        db, QStringLiteral("SELECT Weapon, WeaponName FROM Weapons WHERE Weapon < 10"), 6);
}

QStringList GroupNames(const Database& db) {
    return namesByCode(
        db, QStringLiteral("SELECT \"Group\", GroupName FROM Groups WHERE \"Group\" < 10"), 8);
}
