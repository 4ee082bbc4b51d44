#pragma once

#include "db/Status.h"
#include "standings/TeamStandingsRow.h"
#include "standings/TeamVariant.h"

#include <vector>

class Database;

// The live school standings of one variant, best total first; ties depend on the total only.
// Bouts against injured fencers count here; schools without a result are not listed.
Status BuildLiveTeamStandings(const Database& db, TeamVariant variant,
                              std::vector<TeamStandingsRow>& out);
