#pragma once

#include <QString>
#include <array>
#include <optional>

// One school's line of the live school standings.
struct TeamStandingsRow {
    QString PlaceText;
    QString School;
    int Total = 0;
    // Bouts its fencers still have to fence in the chosen events.
    int Left = 0;
    // Victories per event 0..5; empty for an event without any of its bouts.
    std::array<std::optional<int>, 6> Events;
};
