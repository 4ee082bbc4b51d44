#pragma once

#include "roster/GroupDraw.h"
#include "roster/GroupSlots.h"
#include "roster/RosterRow.h"
#include "roster/SchoolList.h"

#include <QDialog>
#include <array>
#include <vector>

class GroupView;
class ORLEMain;
class PrintSink;
class Prompter;
class QAction;
class QLabel;
class QPushButton;
class QStackedWidget;
class RosterGrid;

// The roster editor: the 24 fencers of each event, and the group view in which they are
// drawn into groups and swapped by hand.
class frmEditRosters final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmEditRosters)

public:
    frmEditRosters(ORLEMain& state, Prompter& prompter, QWidget* parent = nullptr);

    // Reads the menus and lists afresh and shows event 0 in the roster view.
    void Form_Load();
    // Tests draw with a known sequence; the program seeds each draw from the clock.
    void setRandom(GroupDraw::Random random) { m_random = std::move(random); }
    // Tests record the printout; the program shows it in a preview with its own print command.
    void setPrintSink(PrintSink* sink) { m_printSink = sink; }

    int currentWeapon() const { return m_weapon; }
    bool groupViewShowing() const;
    const GroupSlots& groupSlots() const { return m_slots; }

    void mWeapon_Click(int weapon);
    bool bSave_Click();
    void bPrint_Click();
    // Imports the fencers of an FIE XML file into the event shown, after unsaved edits are
    // saved or dropped.
    void mImportFie_Click();
    void bMakeGroups_Click();
    void bRerandomize_Click();
    void lName_Click(int k);
    void bCancel_Click();

protected:
    // Escape and the window's close box act as Close.
    void reject() override;

private:
    // Another station saved: a roster with nothing typed here shows the stored one again.
    void followOtherStation();
    void buildControls();
    void buildMenus();
    void setSaveEnabled(bool enabled);
    bool saveEnabled() const;
    // The unsaved-changes question; false when the user cancels or the save fails.
    bool askToSave();
    bool saveRoster();
    // Shows rows just read from the file; saves compare with them.
    void showStoredRows(const std::vector<RosterRow>& rows);
    bool saveGroups();
    void loadEvent(int weapon);
    void switchView();
    void ShowGroups();
    void showSlots();

    ORLEMain& m_state;
    Prompter& m_prompter;
    GroupDraw::Random m_random;
    PrintSink* m_printSink = nullptr;
    SchoolList m_schools;
    // The roster rows as last read or written.
    std::vector<RosterRow> m_loaded;
    GroupSlots m_slots;
    int m_weapon = -1;

    QLabel* lWeaponName = nullptr;
    QStackedWidget* m_views = nullptr;
    RosterGrid* fpRoster = nullptr;
    GroupView* m_groupView = nullptr;
    QPushButton* bSave = nullptr;
    QPushButton* bPrint = nullptr;
    QPushButton* bMakeGroups = nullptr;
    QPushButton* bRerandomize = nullptr;
    QPushButton* bCancel = nullptr;
    QAction* mSave = nullptr;
    QAction* mPrint = nullptr;
    std::array<QAction*, 6> mWeapon{};
};
