#pragma once

#include "db/Status.h"
#include "standings/TeamVariant.h"

#include <map>

class Database;

// Bouts each school still has to fence in the chosen events: for every fencer of the school,
// the fencer numbers of the pool that are neither his own nor an opponent whom some fencer
// of his school has already met in that event. Keyed by school number.
Status CountBoutsLeft(const Database& db, TeamVariant variant, std::map<int, int>& leftBySchool);
