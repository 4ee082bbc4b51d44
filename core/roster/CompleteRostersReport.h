#pragma once

#include "db/Status.h"
#include "print/BandedReport.h"

class Database;

// The complete roster, "List of Competitors": the fencers of all six events school by
// school, each school with its number of entries over all events.
Status BuildCompleteRosters(const Database& db, const QString& championshipYear,
                            BandedReport& report);
