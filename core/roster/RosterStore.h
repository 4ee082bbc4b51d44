#pragma once

#include "db/Result.h"
#include "db/Status.h"
#include "roster/RosterRow.h"

#include <vector>

class Database;

// Reads and writes the roster of one event: its fencers and its free fencer numbers.
class RosterStore final {
public:
    explicit RosterStore(const Database& db) : m_db(db) {}

    // The event's fencers by family then given name, then one empty row per free number.
    Result<std::vector<RosterRow>> load(int weapon) const;
    // The allowed fencer numbers not yet used in the event, ascending.
    Result<std::vector<int>> freeNumbers(int weapon) const;

    // Writes every changed row in one transaction: all of them or none. Rows without a
    // name or a school are refused before anything is written; an empty web name is
    // filled from the typed names (in `rows` too, so the caller can show it).
    Status save(int weapon, std::vector<RosterRow>& rows) const;
    // The same inside a transaction the caller holds.
    Status write(int weapon, std::vector<RosterRow>& rows) const;

    // Why a typed row cannot be written, or an empty text; `where` names the row
    // ("Row 3", "line 4").
    static QString RowProblem(const RosterRow& row, const QString& where);

private:
    Status writeRow(int weapon, const RosterRow& row) const;

    const Database& m_db;
};
