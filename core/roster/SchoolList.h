#pragma once

#include "db/Result.h"
#include "db/Status.h"

#include <QString>
#include <vector>

class Database;

// The schools offered in the roster's School column, one entry per Teams row, each entry
// carrying the school number after its abbreviation.
class SchoolList final {
public:
    struct School {
        int team = 0;
        QString abbreviation;
    };

    SchoolList() = default;
    explicit SchoolList(std::vector<School> schools) : m_schools(std::move(schools)) {}
    static Result<SchoolList> Load(const Database& db);

    // The abbreviation, 20 spaces and the school number.
    static QString EntryText(const School& school);
    // Leading blanks skipped, then the longest leading decimal number; 0 without one.
    static int NumericValue(QStringView text);
    // The number read from character 20 on, as an entry is matched when a roster loads.
    static int NumberFromPosition20(const QString& entry);
    // The number read from the last five characters, as a picked entry is read.
    static int NumberFromLastFive(const QString& entry);

    const std::vector<School>& schools() const { return m_schools; }
    int size() const { return static_cast<int>(m_schools.size()); }
    QString entryText(int index) const;
    // The first entry whose number is `team`; -1 when none.
    int indexOfTeam(int team) const;
    // Empty when the school is not in the list.
    QString abbreviationOf(int team) const;
    // The school whose abbreviation matches (case-insensitive, trimmed); -1 when none or
    // when the abbreviation is shared by several schools.
    int teamByAbbreviation(const QString& abbreviation) const;

private:
    std::vector<School> m_schools;
};
