#pragma once

#include "db/Result.h"

#include <vector>

class Database;

// How far the bouts of one strip in one round have been reported.
enum class ReportState { Missing, Partial, Complete };

// The bouts of one strip in one round: how many the schedule makes between drawn fencers,
// how many of those belong to an excluded fencer, and how many of the rest are decided.
struct StripReport final {
    int weapon = 0;
    int round = 0;
    int stripSet = 0;
    int scheduled = 0;
    int skipped = 0;
    int reported = 0;

    int toFence() const { return scheduled - skipped; }
    int missing() const { return toFence() > reported ? toFence() - reported : 0; }
    ReportState state() const;
};

// Finds the strips whose results have not all come back from the referees.
class MissingResults final {
public:
    // Strip sets 0..lastStripSet of rounds 0..lastRound of one event, by round then strip set.
    static Result<std::vector<StripReport>> ForEvent(const Database& db, int weapon, int lastRound,
                                                     int lastStripSet);
    // The same for events 0..5, event by event.
    static Result<std::vector<StripReport>> ForChampionship(const Database& db, int lastRound,
                                                            int lastStripSet);
};
