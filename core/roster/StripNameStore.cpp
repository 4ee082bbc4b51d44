#include "roster/StripNameStore.h"

#include "db/Database.h"
#include "db/Transaction.h"
#include "entry/StripHeader.h"
#include "roster/ControlCharacters.h"

namespace {

constexpr int kStripNameLength = 10;  // StripNumbers.StripName
constexpr size_t kStripSets = 4;

}  // namespace

StripNameStore::Names StripNameStore::load() const {
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
    return names;
}

Status StripNameStore::save(const Names& names) const {
    const QStringList events = StripHeader::EventNames(m_db);
    for (size_t i = 0; i < names.size(); ++i) {
        if (names[i].size() > kStripNameLength) {
            return Status::failure(QStringLiteral("A strip name may have at most %1 characters: %2")
                                       .arg(kStripNameLength)
                                       .arg(names[i]));
        }
        const QString where = QStringLiteral("%1, Strip Set %2")
                                  .arg(events.value(static_cast<int>(i / kStripSets)))
                                  .arg(i % kStripSets + 1);
        if (QString problem = ControlCharacters::Problem(names[i], where, QStringLiteral("name"));
            !problem.isEmpty()) {
            return Status::failure(problem);
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
                return Status::failure(update.errorString());
            }
        }
    }
    return transaction.commit();
}
