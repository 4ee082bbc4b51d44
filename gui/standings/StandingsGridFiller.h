#pragma once

#include "standings/LiveStandingsRow.h"
#include "standings/TeamStandingsRow.h"

#include <QStringList>
#include <vector>

class QTableWidget;

// Lays out and fills the two standings grids of the results window.
class StandingsGridFiller final {
public:
    // Columns of the individual grid; the last five are working columns read by the downloads.
    static QStringList IndividualHeaders();
    static constexpr int kFirstWorkingColumn = 8;

    static void PrepareIndividual(QTableWidget* grid);
    static void PrepareSchools(QTableWidget* grid, const QStringList& eventAbbreviations);
    static void FillIndividual(QTableWidget* grid, const std::vector<LiveStandingsRow>& rows);
    static void FillSchools(QTableWidget* grid, const std::vector<TeamStandingsRow>& rows);
};
