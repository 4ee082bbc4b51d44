#pragma once

#include "db/Status.h"
#include "roster/TeamNames.h"

#include <QStringList>
#include <optional>

class Database;

// Reads, checks and writes the schools (Teams rows) by school number.
class TeamStore final {
public:
    explicit TeamStore(const Database& db) : m_db(db) {}

    // The highest school number; empty when there is no school or the query fails.
    std::optional<int> maxTeam() const;
    std::optional<TeamNames> load(int team) const;
    int fencerCount(int team) const;

    // Why the names cannot be saved ("... must not be blank."), or an empty text.
    static QString Problem(const TeamNames& names);
    // Updates the school, or inserts it when the number is free; names are trimmed. Nothing
    // is written when they are the names as `loaded` (nothing for a free number), or when
    // another writer changed the school since: then `changedElsewhere` tells the typed and
    // the stored names.
    Status save(int team, const TeamNames& names, const std::optional<TeamNames>& loaded,
                QStringList* changedElsewhere = nullptr) const;
    // Refuses a school that still has fencers.
    Status remove(int team) const;

private:
    // The stored names, or none for a free number; a failed read is told apart.
    Status read(int team, std::optional<TeamNames>& names) const;

    const Database& m_db;
};
