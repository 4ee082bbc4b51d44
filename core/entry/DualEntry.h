#pragma once

#include "db/Status.h"
#include "entry/BoutScore.h"
#include "entry/DualLines.h"
#include "entry/StripLineup.h"

#include <QStringList>
#include <array>
#include <optional>

class Database;

// One bout of a dual: its two fencers and its result.
struct DualBout final {
    int left = -1;
    int right = -1;
    // A bout with an excluded or missing fencer cannot be typed, nor written.
    bool entered = false;
    std::optional<BoutScore> score;
    // The result as last read from or written to the file.
    std::optional<BoutScore> loaded;
};

// A dual of rounds 2..7 as the dual window edits it: its line-up and nine bouts in order.
class DualEntry final {
public:
    StripLineup lineup;
    std::array<DualBout, DualLines::kBouts> bouts;

    static DualEntry Load(const Database& db, const DualLines& lines, int weapon, int round,
                          int stripSet);
    // Writes the entered bouts whose result changed since loading, cleared ones included, in
    // one transaction. A bout another writer saved since keeps its stored result, which the
    // bout then holds, and is told in `changedElsewhere` with the typed and the stored score.
    Status save(const Database& db, int weapon, QStringList* changedElsewhere = nullptr);

private:
    QString nameOf(int fencerNumber) const;
};
