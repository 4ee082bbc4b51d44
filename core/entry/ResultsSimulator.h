#pragma once

#include "db/Status.h"

#include <QList>
#include <cstdint>

class Database;

// Fills plausible random results for the scheduled bouts of drawn fencers, for demonstrations
// and timings. Each fencer gets a hidden strength, so the standings spread out as in a real
// championship. Excluded fencers' bouts are left alone.
class ResultsSimulator final {
public:
    struct Filled {
        Status status = Status::success();
        int bouts = 0;
    };

    // Replaces the results of the given events (0..5) and rounds (0..6), all in one
    // transaction: every event filled, or none.
    static Filled Fill(const Database& db, const QList<int>& events, const QList<int>& rounds,
                       std::uint32_t seed);
};
