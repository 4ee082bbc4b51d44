#pragma once

#include "entry/EntryHandOver.h"
#include "widgets/LeaveGuardedDialog.h"

#include <functional>
#include <optional>

class ORLEMain;
class Prompter;

// A result entry window of the Enter Results loop: it asks its save question before it
// closes, and hands over to the loop when the user moves to another kind of round.
class EntryDialog : public LeaveGuardedDialog {
    Q_OBJECT

public:
    using LeaveGuardedDialog::LeaveGuardedDialog;

    void setHandOver(EntryHandOver handOver) { m_handOver = std::move(handOver); }

protected:
    bool event(QEvent* event) override;
    // Remembers which data the window shows: a restore after this reloads it when the
    // window is next activated.
    void loadedFrom(const ORLEMain& state);
    // Called when the window is activated after a restore since it loaded.
    virtual void afterRestore() = 0;
    // Reads the round and strip shown again, as when they were chosen.
    virtual void reloadShown() = 0;
    // Marks the bouts that another station saved differently since the window read them,
    // leaving what was typed here on screen.
    virtual void markChangedElsewhere() = 0;
    // Loads the restored file with `reload`; typed results not yet saved are kept on screen
    // instead and the user is told, since saving checks each bout against the file anyway.
    void followRestore(Prompter& prompter, const std::function<void()>& reload);

    // Called after a save of this window: the bouts another station saved while results
    // were typed here, which this save left alone, are shown now.
    void savedHere();

    // After the save question, makes `round` current and closes so that the loop opens
    // the window of that round; a Cancel keeps the window where it was.
    void handOver(ORLEMain& state, int round);
    // The question asked before moving to another round; by default the leaving question.
    virtual bool confirmMove() { return confirmLeave(); }
    // Checks the menu items of the event, round and strip set still shown.
    virtual void checkMenus() = 0;
    // Whether results typed here are not saved yet.
    virtual bool hasUnsavedEntries() const = 0;
    // The history of the event and round shown; after a revert the window reads its bouts
    // again through `reload`, unless results typed here wait to be saved: they stay on
    // screen, and their save keeps whatever another change stored meanwhile.
    void showHistory(ORLEMain& state, Prompter& prompter, std::optional<int> round,
                     const std::function<void()>& reload);

    EntryHandOver m_handOver;

private:
    // Another station saved: a window with nothing typed shows the stored bouts, keeping the
    // box the user is in; typed results stay, and the bouts saved meanwhile are marked.
    void followOtherStation();

    const ORLEMain* m_loadedFrom = nullptr;
    int m_loadedGeneration = 0;
    bool m_restored = false;
    // Another station saved while results typed here waited to be saved.
    bool m_missedOtherSaves = false;
};
