#pragma once

#include "db/Status.h"

#include <QString>

class Database;
class PrintSink;

// The round-robin table of one event as a print run prints it: the work table ranked
// afresh, so the place column and the progress title are those of the results list.
Status PrintRoundRobinTable(const Database& db, int event, const QString& championshipYear,
                            PrintSink& sink);
