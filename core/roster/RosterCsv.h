#pragma once

#include "db/Result.h"
#include "db/Status.h"
#include "roster/CsvText.h"

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

    // Whether a fencer already on the event, or earlier in the file, may come again.
    enum class Duplicates { Refuse, Allow };

    // Checks every line first and writes nothing unless all are good; new fencers take the
    // free numbers of their event, chosen inside the one write transaction. Problems name
    // their line, one per line of the message.
    Status import(const QString& text, Imported* imported = nullptr,
                  Duplicates duplicates = Duplicates::Refuse) const;
    // Records read from another kind of file, fields in the column order above (later ones
    // may be left out), each naming the line it came from; checked and written as `import`.
    Status importRecords(const std::vector<CsvText::Record>& records, Imported* imported,
                         Duplicates duplicates) const;
    // One event, or all six when `weapon` is empty.
    Result<QString> exportText(std::optional<int> weapon) const;

private:
    Status importFields(const std::vector<CsvText::Record>& records,
                        const std::vector<int>& positions, Imported* imported,
                        Duplicates duplicates) const;

    const Database& m_db;
};
