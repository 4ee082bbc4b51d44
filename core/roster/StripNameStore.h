#pragma once

#include "db/Status.h"

#include <QString>
#include <QStringList>
#include <array>

class Database;

// Reads and writes the strip names of every event's four strip sets.
class StripNameStore final {
public:
    // Indexed 4 * event + strip set.
    using Names = std::array<QString, 24>;

    explicit StripNameStore(const Database& db) : m_db(db) {}

    Names load() const;
    // Writes the names that differ from `loaded` (the names as last read or written) in one
    // transaction. A name another writer changed since is not written: `changedElsewhere`
    // tells the typed and the stored name. `loaded` then holds those names as stored.
    Status save(const Names& names, Names& loaded, QStringList* changedElsewhere = nullptr) const;

private:
    Status read(int weapon, int stripSet, QString& name) const;
    QString stripLabel(int weapon, int stripSet) const;

    const Database& m_db;
};
