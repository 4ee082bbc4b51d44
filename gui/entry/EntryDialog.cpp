#include "entry/EntryDialog.h"

#include "db/ORLEMain.h"
#include "db/frmHistory.h"

void EntryDialog::showHistory(ORLEMain& state, Prompter& prompter, std::optional<int> round,
                              const std::function<void()>& reload) {
    frmHistory history(state, prompter, this);
    history.setFilter(state.CurrentWeapon, round);
    history.exec();
    if (history.reverted() && !hasUnsavedEntries()) {
        reload();
    }
}

void EntryDialog::handOver(ORLEMain& state, int round) {
    if (!confirmMove()) {
        checkMenus();
        return;
    }
    m_handOver.openRound(state, round);
    m_leaving = true;
    done(QDialog::Accepted);
}
