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
    // Victories per event 0..5; empty for an event in which the school won nothing.
    std::array<std::optional<int>, 6> Events;
};
