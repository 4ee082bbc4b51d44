#pragma once

#include "db/SqlStore.h"

// Creates the championship's tables with their checks, keys, relations and indexes, and its
// stored queries, in a store that holds none of them; no rows.
Status BuildChampionshipSchema(const SqlStore& store);
