#pragma once

#include <QList>
#include <array>

// Which scoresheets the staff have ticked: the seven rounds and the two Final Four pairs.
struct ScoresheetChoice {
    // Rounds as stored, 0..6 (printed 1..7).
    std::array<bool, 7> rounds{};
    bool semis = false;
    bool medals = false;

    // The checked dual rounds (stored 1..6) in ascending order.
    QList<int> dualRounds() const;
    // The Final Four bouts to print: 0 and 1 for the semifinals, 10 and 11 for the medals.
    QList<int> finalFourBouts() const;
    bool any() const;
    // A single strip can be chosen only for exactly one round, and never for the Final Four,
    // which is fenced on one strip anyway.
    bool stripsAvailable() const;
    void clear() { *this = ScoresheetChoice(); }
};
