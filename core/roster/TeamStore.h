#pragma once

#include "db/Result.h"
#include "db/Status.h"
#include "roster/TeamNames.h"

#include <optional>

class Database;

// Reads, checks and writes the schools (Teams rows) by school number.
class TeamStore final {
public:
    explicit TeamStore(const Database& db) : m_db(db) {}

    // The highest school number; empty when there is no school.
    Result<std::optional<int>> maxTeam() const;
    Result<std::optional<TeamNames>> load(int team) const;
    Result<int> fencerCount(int team) const;

    // Why the names cannot be saved ("... must not be blank."), or an empty text.
    static QString Problem(const TeamNames& names);
    // Updates the school, or inserts it when the number is free; names are trimmed.
    Status save(int team, const TeamNames& names) const;
    // Refuses a school that still has fencers.
    Status remove(int team) const;

private:
    const Database& m_db;
};
