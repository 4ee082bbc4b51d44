#include "print/ScoresheetChoice.h"

#include <algorithm>

QList<int> ScoresheetChoice::dualRounds() const {
    QList<int> list;
    for (int round = 1; round < static_cast<int>(rounds.size()); ++round) {
        if (rounds[round]) {
            list << round;
        }
    }
    return list;
}

QList<int> ScoresheetChoice::finalFourBouts() const {
    QList<int> bouts;
    if (semis) {
        bouts << 0 << 1;
    }
    if (medals) {
        bouts << 10 << 11;
    }
    return bouts;
}

bool ScoresheetChoice::any() const {
    return semis || medals || std::ranges::any_of(rounds, [](bool r) { return r; });
}

bool ScoresheetChoice::stripsAvailable() const {
    return !semis && !medals && std::ranges::count(rounds, true) == 1;
}
