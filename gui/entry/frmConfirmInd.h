#pragma once

#include "entry/FencerChoices.h"

#include <QDialog>
#include <array>
#include <vector>

class ORLEMain;
class Prompter;
class QAction;
class QFrame;
class QGridLayout;
class QLabel;
class QMenu;
struct FencerRecord;

// One fencer's record bout by bout, round by round, with his totals, for him to check
// against the scoresheets. Reads only; any key closes it.
class frmConfirmInd final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmConfirmInd)

public:
    static constexpr int kRows = 24;

    frmConfirmInd(ORLEMain& state, Prompter& prompter, QWidget* parent = nullptr);

    // Opens on the current event and its first fencer.
    void Form_Load();
    void chooseEvent(int weapon);
    void chooseFencer(int entry);
    // Reads the event's fencers and the chosen fencer's bouts again.
    void showAgain();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct RecordRow {
        QLabel* lRound = nullptr;
        QLabel* lFencerName = nullptr;
        QLabel* lTeam = nullptr;
        QLabel* lVictory = nullptr;
        QLabel* lScore = nullptr;
    };

    void buildMenus();
    void buildRecord(QGridLayout* grid);
    void clearRecord();
    void showRecord(const FencerRecord& record);
    void showNoResults();

    ORLEMain& m_state;
    Prompter& m_prompter;
    int m_weapon = -1;
    int m_entry = -1;
    std::vector<FencerChoice> m_fencers;

    QLabel* lWeaponName = nullptr;
    QLabel* lThisFencerName = nullptr;
    std::array<RecordRow, kRows> m_rows{};
    QFrame* lineSummary = nullptr;
    QLabel* lTotalVictory = nullptr;
    QLabel* lTotalScore = nullptr;
    QLabel* lInd = nullptr;
    std::array<QAction*, 6> mWeapon{};
    QMenu* mFencerHdr = nullptr;
    std::array<QAction*, kRows> mFencer{};
};
