#pragma once

#include "db/Status.h"
#include "entry/BoutResults.h"
#include "entry/PoolScores.h"
#include "entry/StripLineup.h"

#include <QStringList>
#include <array>
#include <vector>

class Database;

// A round-one pool as the pool window edits it: the six places and their marks.
class PoolEntry final {
public:
    StripLineup lineup;
    PoolScores scores;
    // The marks as last read from or written to the file.
    PoolScores loaded;

    // Places whose bouts can be typed: a fencer stands there and is not excluded.
    std::array<bool, 6> entered() const;
    bool cellEntered(int row, int column) const;

    static PoolEntry Load(const Database& db, int weapon, int stripSet);
    // Writes the bouts whose marks changed since loading, cleared ones included, in one
    // transaction; refuses a pool with an unreadable pair of marks. A bout another writer
    // saved since keeps its stored result, which the marks then show, and is told in
    // `changedElsewhere` with the typed and the stored score.
    Status save(const Database& db, int weapon, QStringList* changedElsewhere = nullptr);
    // Every bout between entered places, as typed.
    std::vector<BoutEntry> bouts() const;
    // The bouts whose typed result differs from the loaded one.
    std::vector<BoutChange> changes() const;

private:
    void showScore(int row, int column, const std::optional<BoutScore>& score);
    QString conflictLine(const BoutConflict& conflict) const;
    int placeOf(int fencerNumber) const;
};
