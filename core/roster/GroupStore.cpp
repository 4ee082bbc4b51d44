#include "roster/GroupStore.h"

#include "db/Database.h"
#include "db/Transaction.h"

Result<GroupStore::Loaded> GroupStore::load(int weapon) const {
    Loaded loaded;
    Statement query = m_db.prepare(
        QStringLiteral("SELECT Roster.FencerNumber, trim(FName) || ' ' || trim(LName), "
                       "Teams.Abbreviation, Roster.\"Group\", Roster.Subgroup "
                       "FROM Teams INNER JOIN Roster ON Teams.Team = Roster.Team "
                       "WHERE Weapon = ? AND \"Group\" <> 99 AND Subgroup <> 99 "
                       "ORDER BY \"Group\", Subgroup"),
        {weapon});
    while (query.next()) {
        const int k = 3 * query.toInt(3) + query.toInt(4);
        if (k >= 0 && k <= 23) {
            loaded.groupSlots[static_cast<size_t>(k)] = {
                QStringLiteral("%1 (%2)").arg(query.toText(1), query.toText(2)), query.toInt(0)};
        }
        ++loaded.drawn;
    }
    if (!query.ok()) {
        return query.status();
    }
    return loaded;
}

Result<QStringList> GroupStore::groupNames() const {
    QStringList names(8);
    Statement query =
        m_db.prepare(QStringLiteral("SELECT \"Group\", GroupName FROM Groups WHERE \"Group\" < 8"));
    while (query.next()) {
        names[query.toInt(0)] = query.toText(1);
    }
    if (!query.ok()) {
        return query.status();
    }
    return names;
}

Status GroupStore::save(int weapon, const GroupSlotArray& groupSlots) const {
    Transaction transaction(m_db);
    if (!transaction.begun()) {
        return transaction.begun();
    }
    Statement update = m_db.prepare(QStringLiteral(
        "UPDATE Roster SET \"Group\" = ?, Subgroup = ? WHERE Weapon = ? AND FencerNumber = ?"));
    for (int k = 0; k < 24; ++k) {
        update.reset();
        update.bindAll({k / 3, k % 3, weapon, groupSlots[static_cast<size_t>(k)].fencerNumber});
        if (!update.run()) {
            return update.status();
        }
    }
    return transaction.commit();
}
