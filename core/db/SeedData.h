#pragma once

#include "db/Status.h"

class Database;

// Writes the fixed rows of a new championship file: events, strips, groups, the
// schedule and bout order, Final Four bouts and the starting list of schools.
Status InsertSeedRows(const Database& db);
