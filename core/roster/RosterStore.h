#pragma once

#include "db/Status.h"
#include "roster/RosterRow.h"

#include <QStringList>
#include <optional>
#include <vector>

class Database;

// Reads and writes the roster of one event: its fencers and its free fencer numbers.
class RosterStore final {
public:
    explicit RosterStore(const Database& db) : m_db(db) {}

    // The event's fencers by family then given name, then one empty row per free number.
    std::vector<RosterRow> load(int weapon, Status* status = nullptr) const;
    // The allowed fencer numbers not yet used in the event, ascending.
    std::vector<int> freeNumbers(int weapon) const;

    // Writes, in one transaction, every row marked changed that differs from its row in
    // `loaded` (the rows as last read or written): all of them or none. Rows without a name
    // or a school are refused before anything is written; an empty web name is filled from
    // the typed names (in `rows` too, so the caller can show it). A row another writer
    // changed since it was loaded is not written: it takes the stored values in `rows`, and
    // `changedElsewhere` tells what was typed and what is stored. `loaded` then holds the
    // rows as stored.
    Status save(int weapon, std::vector<RosterRow>& rows, std::vector<RosterRow>& loaded,
                QStringList* changedElsewhere = nullptr) const;
    // The same inside a transaction the caller holds.
    Status write(int weapon, std::vector<RosterRow>& rows) const;

    // Why a typed row cannot be written, or an empty text; `where` names the row
    // ("Row 3", "line 4").
    static QString RowProblem(const RosterRow& row, const QString& where);

private:
    // Refuses the first row marked for writing that cannot be written.
    static Status check(const std::vector<RosterRow>& rows);
    Status writeRow(int weapon, const RosterRow& row) const;
    // The fencer stored under the number, or a free row for it.
    Status storedRow(int weapon, int fencerNumber, RosterRow& row) const;
    // Writes one row unless another writer changed it since `loaded`; `loaded` becomes the row
    // as stored, and `row` too when it was kept.
    Status saveRow(int weapon, RosterRow& row, RosterRow& loaded, bool* kept) const;

    const Database& m_db;
};
