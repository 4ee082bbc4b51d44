#include "roster/StripNameStore.h"

#include "db/Database.h"
#include "db/Transaction.h"

Result<StripNameStore::Names> StripNameStore::load() const {
    Names names;
    Statement query =
        m_db.prepare(QStringLiteral("SELECT Weapon, StripSet, StripName FROM StripNumbers"));
    while (query.next()) {
        const int weapon = query.toInt(0);
        const int stripSet = query.toInt(1);
        if (weapon >= 0 && weapon < 6 && stripSet >= 0 && stripSet < 4) {
            names[static_cast<size_t>(4 * weapon + stripSet)] = query.toText(2);
        }
    }
    if (!query.ok()) {
        return query.status();
    }
    return names;
}

Status StripNameStore::save(const Names& names) const {
    for (const QString& name : names) {
        if (name.size() > 10) {
            return Status::failure(
                QStringLiteral("A strip name may have at most 10 characters: %1").arg(name));
        }
    }
    Transaction transaction(m_db);
    if (!transaction.begun()) {
        return transaction.begun();
    }
    Statement update = m_db.prepare(
        QStringLiteral("UPDATE StripNumbers SET StripName = ? WHERE Weapon = ? AND StripSet = ?"));
    for (int w = 0; w < 6; ++w) {
        for (int s = 0; s < 4; ++s) {
            update.reset();
            update.bindAll({names[static_cast<size_t>(4 * w + s)], w, s});
            if (!update.run()) {
                return update.status();
            }
        }
    }
    return transaction.commit();
}
