#pragma once

#include "db/Result.h"
#include "standings/LiveStandingsRow.h"

#include <map>
#include <vector>

class Database;

// Whether a fencer can still fence in the Final Four: the victories he has, plus every bout
// still to fence against a fencer who is not excluded, reach the fourth-best victories now.
struct FinalFourReach {
    int victories = 0;
    int mostVictories = 0;
    bool canReach = false;
};

// Every drawn fencer of the event by fencer number, from the event's live standings rows.
Result<std::map<int, FinalFourReach>> BuildFinalFourReach(
    const Database& db, int event, const std::vector<LiveStandingsRow>& rows);
