#pragma once

#include <functional>

class ORLEMain;

// How an entry window hands over to the main window's Enter Results loop when the user
// moves to another kind of round.
struct EntryHandOver final {
    // Ticks the main window's hand-off box so the loop opens the next window at once.
    std::function<void()> keepEntering;
    // Whether the Final Four can be entered; until then its round entries stay disabled.
    bool finalFourAvailable = false;

    // Makes `round` the current round and asks the loop to open its window.
    void openRound(ORLEMain& state, int round) const;
};
