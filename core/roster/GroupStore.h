#pragma once

#include "db/Result.h"
#include "db/Status.h"
#include "roster/GroupSlot.h"

#include <QStringList>

class Database;

// Reads and writes the drawn groups of one event.
class GroupStore final {
public:
    explicit GroupStore(const Database& db) : m_db(db) {}

    struct Loaded {
        GroupSlotArray groupSlots;
        int drawn = 0;  // every drawn fencer, placed in a slot or not
    };

    Result<Loaded> load(int weapon) const;
    // The titles of groups 0..7 ("Group A".."Group H").
    Result<QStringList> groupNames() const;
    // Writes group and place of the fencer in each slot, all 24 in one transaction.
    Status save(int weapon, const GroupSlotArray& groupSlots) const;

private:
    const Database& m_db;
};
