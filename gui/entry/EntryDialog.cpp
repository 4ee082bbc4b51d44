#include "entry/EntryDialog.h"

#include "db/ORLEMain.h"
#include "db/frmHistory.h"
#include "widgets/OtherStations.h"
#include "widgets/Prompter.h"

#include <QEvent>

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

void EntryDialog::loadedFrom(const ORLEMain& state) {
    m_loadedFrom = &state;
    m_loadedGeneration = state.DataGeneration();
}

void EntryDialog::followOtherStation() {
    if (hasUnsavedEntries()) {
        m_missedOtherSaves = true;
        markChangedElsewhere();
        return;
    }
    const QWidget* focused = focusWidget();
    const QString focusedName = focused ? focused->objectName() : QString();
    reloadShown();
    auto* again = focusedName.isEmpty() ? nullptr : findChild<QWidget*>(focusedName);
    if (again != nullptr && again->isEnabled()) {
        again->setFocus(Qt::OtherFocusReason);
    }
}

void EntryDialog::savedHere() {
    if (m_missedOtherSaves && !hasUnsavedEntries()) {
        m_missedOtherSaves = false;
        followOtherStation();
    }
}

bool EntryDialog::event(QEvent* event) {
    if (event->type() == OtherStations::SavedEvent()) {
        followOtherStation();
        return true;
    }
    if (event->type() == QEvent::WindowActivate && m_loadedFrom != nullptr &&
        m_loadedFrom->DataGeneration() != m_loadedGeneration) {
        m_loadedGeneration = m_loadedFrom->DataGeneration();
        m_restored = true;
    }
    const bool handled = LeaveGuardedDialog::event(event);
    // Reloading waits for the activation to finish, so a question it asks finds the window
    // active.
    if (m_restored && event->type() == QEvent::WindowActivate) {
        m_restored = false;
        afterRestore();
    }
    return handled;
}

void EntryDialog::followRestore(Prompter& prompter, const std::function<void()>& reload) {
    if (!hasUnsavedEntries()) {
        reload();
        return;
    }
    prompter.tell(this, QMessageBox::Information, QStringLiteral("Snapshot Restored"),
                  QStringLiteral("The championship file was put back to a snapshot while this "
                                 "window was open. Your results not yet saved stay on screen; "
                                 "saving keeps any bout the restore changed as the file holds "
                                 "it and tells you which."));
}
