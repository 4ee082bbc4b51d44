#include "entry/ResultsSimulator.h"

#include "db/Transaction.h"
#include "entry/BoutResults.h"
#include "entry/ScheduledBouts.h"

#include <array>
#include <cmath>
#include <random>

namespace {

using Random = std::mt19937;

// Most bouts go to five touches; some end on time, a few at equal touches decided by the
// priority minute.
BoutScore randomScore(Random& random, bool leftWins) {
    std::uniform_int_distribution<int> percent(0, 99);
    const int kind = percent(random);
    int winner = 5;
    int loser = std::uniform_int_distribution<int>(0, 4)(random);
    if (kind < 4) {
        winner = loser = std::uniform_int_distribution<int>(0, 4)(random);
    } else if (kind < 14) {
        winner = std::uniform_int_distribution<int>(1, 4)(random);
        loser = std::uniform_int_distribution<int>(0, winner - 1)(random);
    }
    return leftWins ? BoutScore{winner, loser, true} : BoutScore{loser, winner, false};
}

}  // namespace

ResultsSimulator::Filled ResultsSimulator::Fill(const Database& db, const QList<int>& events,
                                                const QList<int>& rounds, std::uint32_t seed) {
    Random random(seed);
    Filled filled;
    // One transaction for the whole command: an interrupted run leaves no event half done.
    Transaction transaction(db);
    if (!transaction.begun()) {
        filled.status = transaction.begun();
        return filled;
    }
    for (int weapon : events) {
        std::array<double, 24> strength{};
        std::normal_distribution<double> spread(0.0, 1.0);
        for (double& s : strength) {
            s = spread(random);
        }
        const Result<std::vector<ScheduledBout>> scheduled = ScheduledBouts::ForEvent(db, weapon);
        if (!scheduled) {
            filled.status = scheduled.status();
            return filled;
        }
        std::vector<BoutEntry> entries;
        for (const ScheduledBout& bout : *scheduled) {
            if (bout.excluded || !rounds.contains(bout.round) || bout.left > 23 ||
                bout.right > 23) {
                continue;
            }
            const double edge = strength[static_cast<size_t>(bout.left)] -
                                strength[static_cast<size_t>(bout.right)];
            const double leftChance = 1.0 / (1.0 + std::exp(-1.5 * edge));
            const bool leftWins =
                std::uniform_real_distribution<double>(0.0, 1.0)(random) < leftChance;
            entries.push_back({bout.left, bout.right, randomScore(random, leftWins)});
        }
        filled.status = BoutResults::WriteInTransaction(db, weapon, entries);
        if (!filled.status) {
            filled.bouts = 0;
            return filled;
        }
        filled.bouts += static_cast<int>(entries.size());
    }
    filled.status = transaction.commit();
    if (!filled.status) {
        filled.bouts = 0;
    }
    return filled;
}
