#pragma once

#include "db/Status.h"
#include "standings/LiveStandings.h"

class Database;

// The live standings of one individual event, for the results window and the downloads.
Status BuildLiveStandings(const Database& db, int event, LiveStandings& out);
