#include "entry/EntryDialog.h"

void EntryDialog::handOver(ORLEMain& state, int round) {
    if (!confirmMove()) {
        checkMenus();
        return;
    }
    m_handOver.openRound(state, round);
    m_leaving = true;
    done(QDialog::Accepted);
}
