#pragma once

#include "db/Result.h"
#include "db/Status.h"
#include "entry/BoutResults.h"
#include "entry/PoolScores.h"
#include "entry/StripLineup.h"

#include <array>
#include <vector>

class Database;

// A round-one pool as the pool window edits it: the six places and their marks.
class PoolEntry final {
public:
    StripLineup lineup;
    PoolScores scores;

    // Places whose bouts can be typed: a fencer stands there and is not excluded.
    std::array<bool, 6> entered() const;
    bool cellEntered(int row, int column) const;

    static Result<PoolEntry> Load(const Database& db, int weapon, int stripSet);
    // Writes every bout between entered places, cleared ones included, in one transaction.
    // Refuses a pool with an unreadable pair of marks.
    Status save(const Database& db, int weapon) const;
    std::vector<BoutEntry> bouts() const;
};
