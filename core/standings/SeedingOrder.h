#pragma once

#include "db/Status.h"
#include "standings/SeedingRow.h"

#include <vector>

class Database;

// The order in which the seeding proposes an event's fencers: the live figures, ignoring
// who has advanced. A fencer's own exclusion does not remove him; the table moves him out.
Status SeedingOrder(const Database& db, int event, std::vector<SeedingRow>& out);
