#pragma once

#include "db/Status.h"
#include "print/BandedReport.h"

class Database;

// "FullResults": every fencer's bouts, school by school and event by event, round by round
// with the opponent, the result and the touches.
namespace FullResultsReport {

Status Build(const Database& db, const QString& championshipYear, BandedReport& report);

}  // namespace FullResultsReport
