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

// A bout a window changed: the result it read when it loaded, and the one typed since,
// both seen from `fencer`.
struct BoutChange final {
    int fencer = -1;
    int opponent = -1;
    std::optional<BoutScore> loaded;
    std::optional<BoutScore> typed;
};

// A changed bout that another writer saved first: it keeps the stored result.
struct BoutConflict final {
    int fencer = -1;
    int opponent = -1;
    std::optional<BoutScore> typed;
    std::optional<BoutScore> stored;

    // "typed "5-3", stored "2-5"", marks seen from `fencer`.
    QString typedAndStored() const;
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
    // Writes the changed bouts in one transaction, each only while the file still holds the
    // result the window loaded; a bout another writer changed meanwhile keeps its stored
    // result and is listed in `conflicts` (emptied first). A typed result that the file
    // already holds needs no writing and is no conflict.
    static Status WriteChanges(const Database& db, int weapon,
                               const std::vector<BoutChange>& changes,
                               std::vector<BoutConflict>& conflicts);
};
