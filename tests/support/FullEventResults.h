#pragma once

#include "support/TempChampionship.h"

#include <functional>

// Fences whole rounds of a drawn event, pairing fencers by the schedule as the scoresheets
// do: the round-one pools of six, then the duals.
class FullEventResults final {
public:
    // Decides a bout between two fencers: true when the first wins.
    using Outcome = std::function<bool(int first, int second)>;

    explicit FullEventResults(const TempChampionship& file);

    // By default the lower fencer number wins 5 to the sum of both numbers modulo 5.
    void setOutcome(Outcome outcome) { m_outcome = std::move(outcome); }
    // Writes every bout of `round` (0..6) between fencers of the event's drawn groups;
    // `except` leaves the bouts of that fencer unfenced.
    void fenceRound(int weapon, int round, int except = -1) const;
    void fenceAllRounds(int weapon) const;

private:
    const TempChampionship& m_file;
    Outcome m_outcome;
};
