#pragma once

#include "db/Status.h"
#include "standings/FinalFourSeeding.h"
#include "standings/SeedingRow.h"

#include <array>
#include <optional>

class Database;

// The seeding as the scoring table arranges it: 24 positions, the first four seeded, each
// holding a fencer or nothing.
class SeedingTable final {
public:
    static constexpr int kRows = 24;
    static constexpr int kSeeds = 4;

    // Proposes the standings order of the event, best fencer first.
    Status Load(const Database& db, int event);

    const std::optional<SeedingRow>& at(int row) const {
        return m_rows.at(static_cast<size_t>(row));
    }
    // Swaps position `row` with the one above (-1) or below (+1); returns the moved
    // fencer's new position, or `row` when there is nowhere to go.
    int Move(int row, int direction);
    // The fencers of positions 1 to 4, or nothing while one of them is empty.
    std::optional<FinalFourSeeding::Seeds> Seeds() const;

private:
    std::array<std::optional<SeedingRow>, kRows> m_rows;
};
