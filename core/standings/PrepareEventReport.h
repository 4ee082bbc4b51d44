#pragma once

#include "db/Status.h"
#include "standings/EventReport.h"
#include "standings/PlaceOf.h"

class Database;

// One event of a printed results run, after RankScratchpad has filled the work table: the
// progress text (the Final Four's once it is seeded), the bracket and the ranked places,
// each recorded in `placeOf` for the printed round-robin table.
Status PrepareEventReport(const Database& db, int event, PlaceOf& placeOf, EventReport& out);
