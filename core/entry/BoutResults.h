#pragma once

#include "db/Status.h"
#include "entry/BoutScore.h"

#include <optional>
#include <vector>

class Database;

// One bout to write: the two fencers and its result seen from `fencer`, or none to clear it.
struct BoutEntry final {
    int fencer = -1;
    int opponent = -1;
    std::optional<BoutScore> score;
};

// Reads and writes bouts as their two `Results` rows, one from each fencer's side.
class BoutResults final {
public:
    // The bout seen from fencer a; nothing when it is not stored or the pair is broken
    // (one row only, or equal victory flags), so a broken pair shows as not fenced.
    static std::optional<BoutScore> Read(const Database& db, int weapon, int a, int b);
    // Every stored bout of an event that reads as a result, once, lower fencer number first.
    static std::vector<BoutEntry> ReadAll(const Database& db, int weapon);
    // Deletes both rows of every bout and inserts both rows of those with a result, all in
    // one transaction: a failure leaves the file as it was.
    static Status Write(const Database& db, int weapon, const std::vector<BoutEntry>& bouts);
    // The same inside a transaction the caller holds (a command that writes several events).
    static Status WriteInTransaction(const Database& db, int weapon,
                                     const std::vector<BoutEntry>& bouts);
};
