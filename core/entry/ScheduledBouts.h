#pragma once

#include "db/Result.h"

#include <optional>
#include <vector>

class Database;

// A bout the schedule makes a drawn fencer fence: the round (0..6) and both fencers, the
// left-hand group's fencer first (the lower place for group-mates in round one).
struct ScheduledBout final {
    int round = 0;
    int left = -1;
    int right = -1;
    bool excluded = false;  // either fencer is excluded
    int stripSet = 0;
};

// The bouts the schedule makes between an event's drawn fencers.
class ScheduledBouts final {
public:
    // Every scheduled bout of the event, by round, strip set and place.
    static Result<std::vector<ScheduledBout>> ForEvent(const Database& db, int weapon);
    // Whether the event's roster holds the fencer.
    static Result<bool> HasFencer(const Database& db, int weapon, int fencer);
    // The scheduled bout between two fencers, in either order.
    static Result<std::optional<ScheduledBout>> Between(const Database& db, int weapon, int a,
                                                        int b);
};
