#pragma once

#include <functional>

// How an entry window hands over to the main window's Enter Results loop when the user
// moves to another kind of round.
struct EntryHandOver final {
    // Ticks the main window's hand-off box so the loop opens the next window at once.
    std::function<void()> keepEntering;
    // Whether the Final Four can be entered; until then its round entries stay disabled.
    bool finalFourAvailable = false;
};
