#pragma once

#include <QString>

// The result of one bout seen from its left (or first) fencer: both fencers' touches and
// which of them won.
struct BoutScore final {
    int leftTouches = 0;
    int rightTouches = 0;
    bool leftWins = true;

    // The fencer's mark as typed: the touches, or "V" for a win at equal touches.
    QString leftMark() const;
    QString rightMark() const;
    // Touches left first, as the dual window shows them ("3-3"); the winner is marked apart.
    QString dualText() const;
    // The same bout seen from the other fencer.
    BoutScore swapped() const { return {rightTouches, leftTouches, !leftWins}; }

    bool operator==(const BoutScore&) const = default;
};
