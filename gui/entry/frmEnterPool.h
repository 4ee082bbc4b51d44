#pragma once

#include "entry/EntryDialog.h"
#include "entry/EntryMenus.h"
#include "entry/PoolEntry.h"

#include <array>
#include <map>

class EntryHeader;
class ORLEMain;
class Prompter;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Result entry for a round-one pool: six places, a six-by-six grid of score marks and
// each place's totals.
class frmEnterPool final : public EntryDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmEnterPool)

public:
    frmEnterPool(ORLEMain& state, Prompter& prompter, QWidget* parent = nullptr);

    // Opens on the current event and strip set in round one.
    void Form_Load();

    // The check and the totals (F5): true when every pair of marks can be read.
    bool RefreshTotals();
    // Saves or asks before an action that would drop the edits; false: stay.
    bool SavePool(const QString& action);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool confirmLeave() override;
    bool confirmMove() override;
    void checkMenus() override;
    bool hasUnsavedEntries() const override;
    void afterRestore() override;
    void reloadShown() override { loadPool(); }
    void markChangedElsewhere() override;

private:
    void buildGrid(QWidget* parent);
    void buildButtons();
    void connectMenus();
    void loadPool();
    void showPlaces();
    void showMarks();
    void clearTotals();
    void edited();
    bool save();
    bool cellKey(int cell, int key, const QString& text);
    void setMark(int cell, const QString& mark);
    void moveFrom(int cell, int direction);
    void focusCell(int cell);
    void moveTo(int weapon, int stripSet);
    void handOver(int round) { EntryDialog::handOver(m_state, round); }

    ORLEMain& m_state;
    Prompter& m_prompter;
    EntryMenus m_menus;
    PoolEntry m_pool;

    EntryHeader* m_header = nullptr;
    std::map<int, QLineEdit*> lScore;
    std::array<QLabel*, 6> lFencerName{};
    std::array<QLabel*, 6> lTeam{};
    std::array<QLabel*, 6> lVict{};
    std::array<QLabel*, 6> lTS{};
    std::array<QLabel*, 6> lTR{};
    std::array<QLabel*, 6> lInd{};
    QCheckBox* cbDataToSave = nullptr;
    QPushButton* bPrev = nullptr;
    QPushButton* bNext = nullptr;
    QPushButton* bNextRound = nullptr;
};
