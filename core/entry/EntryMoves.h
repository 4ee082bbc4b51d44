#pragma once

#include <functional>

// Where the keyboard moves the focus in the entry grids: pool cells indexed 10 × row +
// column, dual boxes 0..8. A move passes over cells that cannot be typed.
class EntryMoves final {
public:
    enum class Direction { Right, Left, Up, Down };
    using Enabled = std::function<bool(int)>;

    // One step from a pool cell, skipping the diagonal; right and left run through the
    // grid row by row and wrap around, up and down stop at the edge (-1: no step).
    static int PoolStep(int cell, Direction direction);
    // The cell the focus moves to: steps on until an enabled cell; the same cell when
    // there is none in that direction.
    static int PoolMove(int cell, Direction direction, const Enabled& enabled);
    // The dual box the focus moves to by steps of `step` (±1, ±3), never past box 0 or 8.
    static int DualMove(int box, int step, const Enabled& enabled);
};
