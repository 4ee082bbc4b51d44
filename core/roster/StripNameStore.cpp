#include "roster/StripNameStore.h"

#include "db/ChangedElsewhere.h"
#include "db/Database.h"
#include "db/Transaction.h"
#include "roster/ControlCharacters.h"

namespace {

constexpr int kEvents = 6;
constexpr int kStripSets = 4;
// The size of StripNumbers.StripName, checked here so the user learns which name is too long.
constexpr int kNameLength = 10;

}  // namespace

StripNameStore::Names StripNameStore::load() const {
    Names names;
    Statement query =
        m_db.prepare(QStringLiteral("SELECT Weapon, StripSet, StripName FROM StripNumbers"));
    while (query.next()) {
        const int weapon = query.toInt(0);
        const int stripSet = query.toInt(1);
        if (weapon >= 0 && weapon < kEvents && stripSet >= 0 && stripSet < kStripSets) {
            names[static_cast<size_t>(kStripSets * weapon + stripSet)] = query.toText(2);
        }
    }
    return names;
}

Status StripNameStore::read(int weapon, int stripSet, QString& name) const {
    Statement query = m_db.prepare(
        QStringLiteral("SELECT StripName FROM StripNumbers WHERE Weapon = ? AND StripSet = ?"),
        {weapon, stripSet});
    name = query.next() ? query.toText(0) : QString();
    return query.ok() ? Status::success() : Status::failure(query.errorString());
}

// "Men's Saber, Strip Set 2", as the editor's frames and labels read.
QString StripNameStore::stripLabel(int weapon, int stripSet) const {
    const QString event =
        m_db.queryText(QStringLiteral("SELECT WeaponName FROM Weapons WHERE Weapon = ?"), {weapon})
            .value_or(QStringLiteral("Event %1").arg(weapon));
    return QStringLiteral("%1, Strip Set %2").arg(event).arg(stripSet + 1);
}

Status StripNameStore::save(const Names& names, Names& loaded,
                            QStringList* changedElsewhere) const {
    for (size_t i = 0; i < names.size(); ++i) {
        if (names[i].size() > kNameLength) {
            return Status::failure(QStringLiteral("A strip name may have at most %1 characters: %2")
                                       .arg(kNameLength)
                                       .arg(names[i]));
        }
        const int weapon = static_cast<int>(i) / kStripSets;
        if (QString problem = ControlCharacters::Problem(
                names[i], stripLabel(weapon, static_cast<int>(i) % kStripSets),
                QStringLiteral("name"));
            !problem.isEmpty()) {
            return Status::failure(problem);
        }
    }
    Transaction transaction(m_db);
    if (!transaction.begun()) {
        return transaction.begun();
    }
    Names stored = loaded;
    QStringList kept;
    for (int w = 0; w < kEvents; ++w) {
        for (int s = 0; s < kStripSets; ++s) {
            const size_t i = static_cast<size_t>(kStripSets * w + s);
            if (names[i] == loaded[i]) {
                continue;
            }
            if (Status r = read(w, s, stored[i]); !r) {
                return r;
            }
            if (stored[i] != loaded[i] && stored[i] != names[i]) {
                kept << QStringLiteral("%1: %2").arg(
                    stripLabel(w, s), ChangedElsewhere::TypedAndStored(names[i], stored[i]));
                continue;
            }
            if (Status u = m_db.exec(QStringLiteral("UPDATE StripNumbers SET StripName = ? "
                                                    "WHERE Weapon = ? AND StripSet = ?"),
                                     {names[i], w, s});
                !u) {
                return u;
            }
            stored[i] = names[i];
        }
    }
    if (Status committed = transaction.commit(); !committed) {
        return committed;
    }
    loaded = stored;
    if (changedElsewhere != nullptr) {
        *changedElsewhere = kept;
    }
    return Status::success();
}
