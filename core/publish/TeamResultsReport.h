#pragma once

#include "db/Status.h"
#include "print/BandedReport.h"

#include <QDateTime>

class Database;

// The printed school standings, "TeamResults", read from the work table that
// FillTeamScratchpad filled for one variant; schools with equal points share a place.
namespace TeamResultsReport {

// `title` is "Teams", "Men's Teams" or "Women's Teams"; `printedAt` is shown under it.
Status Build(const Database& db, const QString& championshipYear, const QString& title,
             const QDateTime& printedAt, BandedReport& report);

}  // namespace TeamResultsReport
