#pragma once

#include "db/Status.h"
#include "print/BandedReport.h"
#include "standings/EventReport.h"

class Database;

// The printed results of one event, "IndividualResults": the Final Four bracket and its four
// rows once the four are seeded, then the ranked list of everybody else.
namespace IndividualResultsReport {

// `prepared` is the event as PrepareEventReport left it after RankScratchpad.
Status Build(const Database& db, const QString& championshipYear, int event,
             const QString& eventName, const EventReport& prepared, BandedReport& report);

}  // namespace IndividualResultsReport
