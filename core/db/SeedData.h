#pragma once

#include "db/Status.h"

class SqlStore;

// Writes the fixed rows of a new championship, in a file or on a server: events, strips, groups,
// the schedule and bout order, Final Four bouts and the starting list of schools.
Status InsertSeedRows(const SqlStore& db);
