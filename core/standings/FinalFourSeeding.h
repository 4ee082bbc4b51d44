#pragma once

#include "db/Result.h"
#include "db/Status.h"

#include <array>

class Database;

// Writes and removes the seeding of an event's Final Four: the two semifinals and the
// Advanced flags of the four fencers.
class FinalFourSeeding final {
public:
    // Fencer numbers of seeds 1 to 4, in that order.
    using Seeds = std::array<int, 4>;

    // Semifinal A is seed 1 against seed 4, Semifinal B seed 3 against seed 2. Every earlier
    // Final Four result of the event is discarded. Four different fencers of the event are
    // required; otherwise nothing is written.
    static Status Save(const Database& db, int event, const Seeds& seeds);
    // How many Final Four bouts of the event have a winner (seeding again discards them);
    // the failure when the file cannot be read.
    static Result<int> FencedBouts(const Database& db, int event);
    // Seeding again over fenced bouts goes ahead only after a snapshot has kept them;
    // success at once when none is fenced.
    static Status KeepFencedBouts(const Database& db, int event);
    // Returns the event to the unseeded state: no Final Four rows, nobody advanced.
    static Status Delete(const Database& db, int event);

private:
    static Status checkSeeds(const Database& db, int event, const Seeds& seeds);
    static Status clear(const Database& db, int event);
};
