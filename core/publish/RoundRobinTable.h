#pragma once

#include "db/Status.h"
#include "standings/PlaceOf.h"

#include <QString>
#include <array>

class Database;

// The round-robin table of one event: a line per drawn fencer in group order with his bout
// against every other position, his sums and his place ("exc" for an excluded fencer).
class RoundRobinTable final {
public:
    static constexpr int kPositions = 24;

    struct Line {
        QString Name;
        QString FencerNumber;
        QString School;
        // Indexed by the opponent's position, group × 3 + subgroup.
        std::array<QString, kPositions> Bouts;
        QString V;
        QString TS;
        QString TR;
        QString Ind;
        QString Place;
        // The fencer's given name, printed as initials when the whole name does not fit.
        QString GivenName;
    };

    // Builds the table from the bout records; places come from the last report run.
    static Status Build(const Database& db, int event, const PlaceOf& placeOf,
                        RoundRobinTable& out);

    // Indexed by position; a position without a drawn fencer stays empty.
    const std::array<Line, kPositions>& lines() const { return m_lines; }

    // "Standings After Round 4" prints as "Table and Standings After Round 4".
    static QString Title(const QString& progressText);

private:
    std::array<Line, kPositions> m_lines;
};
