#pragma once

#include "db/Result.h"
#include "db/Status.h"
#include "entry/BoutScore.h"
#include "entry/DualLines.h"
#include "entry/StripLineup.h"

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
};

// A dual of rounds 2..7 as the dual window edits it: its line-up and nine bouts in order.
class DualEntry final {
public:
    StripLineup lineup;
    std::array<DualBout, DualLines::kBouts> bouts;

    static Result<DualEntry> Load(const Database& db, const DualLines& lines, int weapon, int round,
                                  int stripSet);
    // Writes the entered bouts, cleared ones included, in one transaction.
    static Status Save(const Database& db, int weapon,
                       const std::array<DualBout, DualLines::kBouts>& bouts);
};
