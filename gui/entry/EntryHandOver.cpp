#include "entry/EntryHandOver.h"

#include "db/ORLEMain.h"

void EntryHandOver::openRound(ORLEMain& state, int round) const {
    state.CurrentRound = static_cast<short>(round);
    if (keepEntering) {
        keepEntering();
    }
}
