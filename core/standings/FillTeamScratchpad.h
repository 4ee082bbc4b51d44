#pragma once

#include "db/Status.h"
#include "standings/TeamVariant.h"

class Database;

// Refills TeamScratchpad with one row per school that has points in any event, for the
// printed team report; events outside the variant are left empty. Bouts by or against
// injured fencers do not count here.
Status FillTeamScratchpad(const Database& db, TeamVariant variant);
