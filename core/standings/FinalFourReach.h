#pragma once

#include "db/Result.h"
#include "standings/LiveStandingsRow.h"

#include <map>
#include <set>
#include <utility>
#include <vector>

class Database;

// Whether a fencer can still fence in the Final Four: the victories he has, plus every bout
// still to fence against a fencer who is not excluded, reach the fourth-best victories now.
struct FinalFourReach {
    int victories = 0;
    int mostVictories = 0;
    bool canReach = false;
};

// Two fencers of a bout still to fence, neither of them excluded.
using BoutLeft = std::pair<int, int>;

// Every drawn fencer of the event by fencer number, from the event's live standings rows, the
// bouts still to fence and the excluded fencers.
std::map<int, FinalFourReach> ComputeFinalFourReach(const std::vector<LiveStandingsRow>& rows,
                                                    const std::vector<BoutLeft>& boutsLeft,
                                                    const std::set<int>& excluded);
// The same, read from the file.
Result<std::map<int, FinalFourReach>> BuildFinalFourReach(
    const Database& db, int event, const std::vector<LiveStandingsRow>& rows);
