#pragma once

#include "db/Result.h"

#include <array>

class Database;

// The bout order of a dual: which position stands on which line of each sub-round. Line b
// (0..2) is the left fencer of the sub-round's bout b, line b + 3 the right one.
class DualLines final {
public:
    static constexpr int kBouts = 9;

    // Reads the order from `vSchedule`; the seed order when the view yields nothing usable.
    static Result<DualLines> Load(const Database& db);
    static DualLines SeedOrder();

    int LineOf(int position, int subround) const { return m_lineOf[position][subround]; }
    int positionAt(int subround, int line) const;
    // Strip positions (0..5) of the left and right fencer of bout k (0..8).
    int leftPosition(int bout) const { return positionAt(bout / 3, bout % 3); }
    int rightPosition(int bout) const { return positionAt(bout / 3, bout % 3 + 3); }
    // The bout box of position p in sub-round s.
    int boutOf(int position, int subround) const {
        return 3 * subround + LineOf(position, subround) % 3;
    }

private:
    bool complete() const;

    std::array<std::array<int, 3>, 6> m_lineOf{};
};
