#pragma once

#include "standings/SeedingTable.h"

#include "widgets/LeaveGuardedDialog.h"

class ORLEMain;
class Prompter;
class QAction;
class QLabel;
class QPushButton;
class QTableWidget;

// Proposes the Final Four seeding of the current event from its standings and lets the
// scoring table reorder it before the semifinals are written.
class frmEditFinalFencers final : public LeaveGuardedDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmEditFinalFencers)

public:
    frmEditFinalFencers(ORLEMain& state, Prompter& prompter, QWidget* parent = nullptr);

    // Shows the standings order of the current event; `weaponName` heads the window.
    void Form_Load(const QString& weaponName);

private:
    void buildGrid();
    void buildButtons();
    void buildMenus();
    void loadSeeding();
    void showRow(int row);
    void moveFencer(int direction);
    void enableMoves();
    bool save();
    void deleteSeeding();
    bool confirmLeave() override;

    ORLEMain& m_state;
    Prompter& m_prompter;
    SeedingTable m_table;
    // A proposal counts as unsaved until it is saved or the seeding is deleted.
    bool m_pending = false;

    QLabel* lWeaponName = nullptr;
    QTableWidget* fpStandings = nullptr;
    QPushButton* bUp = nullptr;
    QPushButton* bDown = nullptr;
    QPushButton* bReload = nullptr;
    QPushButton* bDelete = nullptr;
    QPushButton* bSave = nullptr;
    QPushButton* bCancel = nullptr;
    QAction* mSave = nullptr;
    QAction* mExit = nullptr;
};
