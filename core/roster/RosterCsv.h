#pragma once

#include "db/Result.h"
#include "db/Status.h"

#include <QString>
#include <optional>

class Database;

// Rosters as comma-separated text: event,first,last,school,status,addl,html.
class RosterCsv final {
public:
    explicit RosterCsv(const Database& db) : m_db(db) {}

    struct Imported {
        int fencers = 0;
    };

    // Checks every line first and writes nothing unless all are good; new fencers take the
    // free numbers of their event. Problems name their line, one per line of the message.
    Status import(const QString& text, Imported* imported = nullptr) const;
    // One event, or all six when `weapon` is empty.
    Result<QString> exportText(std::optional<int> weapon) const;

private:
    const Database& m_db;
};
