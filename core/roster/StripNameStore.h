#pragma once

#include "db/Result.h"
#include "db/Status.h"

#include <QString>
#include <array>

class Database;

// Reads and writes the strip names of every event's four strip sets.
class StripNameStore final {
public:
    // Indexed 4 * event + strip set.
    using Names = std::array<QString, 24>;

    explicit StripNameStore(const Database& db) : m_db(db) {}

    Result<Names> load() const;
    // Rewrites all 24 names in one transaction.
    Status save(const Names& names) const;

private:
    const Database& m_db;
};
