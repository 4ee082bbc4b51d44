#pragma once

#include "standings/FinalFourEntry.h"

#include <QString>
#include <array>

// The Final Four of one event as the bracket shows it: seeds, semifinal results and places.
class FinalFourPicture final {
public:
    // Slots are numbered 1..4 as the bracket numbers them; slot 0 is unused.
    using Slots = std::array<FinalFourEntry, 5>;

    // Seed k: 1 and 4 meet in Semifinal A, 3 and 2 in Semifinal B.
    Slots Seeds;
    // 1, 2: winners of Semifinals A and B; 3, 4: their losers.
    Slots Finalists;
    // 1, 2: gold medal bout winner and loser; 3, 4: the same for bronze.
    Slots Places;

    bool FinalFourSeeded() const { return !Seeds[1].isEmpty(); }
    bool FinalFourInProgress() const { return Places[1].isEmpty() || Places[3].isEmpty(); }

    // The medal and semifinal lines shown under the standings once the four are known.
    QString SummaryText() const;
};
