#pragma once

#include "db/Result.h"
#include "db/Status.h"
#include "roster/RosterCsv.h"

#include <QByteArray>
#include <QString>
#include <optional>

class Database;

// The fencers (`Tireurs`) of a competition file in the FIE's XML exchange format, as the
// sport's other tournament programs write it, entered into one event's roster.
class FieXmlEntries final {
public:
    explicit FieXmlEntries(const Database& db) : m_db(db) {}

    // An entries file is a few kilobytes; a larger one is refused unread.
    static constexpr qint64 kMaxFileBytes = 5 * 1024 * 1024;
    // Competition files nest a handful of levels deep.
    static constexpr int kMaxDepth = 32;

    // The file's bytes, or why it cannot be read (missing, unreadable, too large).
    static Result<QByteArray> ReadFile(const QString& path);

    // Imports the fencers into `event`, or into the event of the file's weapon and sex when
    // none is given. The file is refused whole, as a roster CSV is: each problem (a school
    // that is not ours, a fencer too many, a fencer twice, a malformed file) named in plain
    // words, one per line. Clubs match a school's abbreviation, medium or full name,
    // ignoring case and accents; attributes and elements other programs add are ignored.
    Status import(const QByteArray& xml, std::optional<int> event,
                  RosterCsv::Imported* imported = nullptr,
                  RosterCsv::Duplicates duplicates = RosterCsv::Duplicates::Refuse) const;

    // Reads and checks the file, then keeps a snapshot of the championship (refused when none
    // can be made) and imports, as `import` does; a file that is refused leaves no snapshot.
    Status importFile(const QString& path, std::optional<int> event,
                      RosterCsv::Imported* imported = nullptr,
                      RosterCsv::Duplicates duplicates = RosterCsv::Duplicates::Refuse) const;

private:
    const Database& m_db;
};
