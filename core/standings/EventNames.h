#pragma once

#include "db/Result.h"
#include "db/Status.h"
#include "standings/TeamVariant.h"

#include <QString>
#include <array>

class Database;

// The names and abbreviations of the six individual events, read once by a window.
class EventNames final {
public:
    Status load(const Database& db);

    const QString& name(int event) const { return m_names.at(static_cast<size_t>(event)); }
    const QString& abbreviation(int event) const {
        return m_abbreviations.at(static_cast<size_t>(event));
    }

    // One event's abbreviation as the file names it ("MS"), or its code when the file has none.
    static Result<QString> Abbreviation(const Database& db, int event);

    // "Teams", "Men's Teams" or "Women's Teams", from the names of the events.
    QString teamsReportName(TeamVariant variant) const;

private:
    std::array<QString, 6> m_names;
    std::array<QString, 6> m_abbreviations;
};
