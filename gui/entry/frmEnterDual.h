#pragma once

#include "entry/DualEntry.h"
#include "entry/DualLines.h"
#include "entry/EntryDialog.h"
#include "entry/EntryMenus.h"

#include <array>

class EntryHeader;
class ORLEMain;
class Prompter;
class QLabel;
class QLineEdit;
class QPushButton;

// Result entry for a dual of rounds 2..7: the nine bouts of two groups of three in bout
// order, one score box each.
class frmEnterDual final : public EntryDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmEnterDual)

public:
    frmEnterDual(ORLEMain& state, Prompter& prompter, QWidget* parent = nullptr);

    // Opens on the current event, round and strip set.
    void Form_Load();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildBouts(QWidget* parent);
    void buildButtons();
    void connectMenus();
    void loadDual();
    void showLineup();
    void showBout(int bout);
    // Shows every bout as it now stands in the file and makes that the starting point.
    void showStoredScores();
    void setUnsaved(bool unsaved);
    // Save is offered for read changes and for boxes typed in but not yet read.
    void offerSave();
    bool scoreEdit(int bout);
    // Reads every box typed in but not yet read; false when one is refused.
    bool commitTypedScores();
    bool save();
    bool confirmLeave() override;
    void moveTo(int weapon, int round, int stripSet);
    void handOver(int round) { EntryDialog::handOver(m_state, round); }
    void checkMenus() override;
    bool hasUnsavedEntries() const override;
    void afterRestore() override;
    void reloadShown() override { loadDual(); }
    void markChangedElsewhere() override;

    ORLEMain& m_state;
    Prompter& m_prompter;
    EntryMenus m_menus;
    DualLines m_lines = DualLines::SeedOrder();
    DualEntry m_dual;
    // What a box held when it was last read; a box is read again only when it changed.
    std::array<QString, DualLines::kBouts> m_previousText;
    std::array<std::optional<BoutScore>, DualLines::kBouts> m_previousScore;
    // Read scores differ from the stored ones; typing alone also offers Save.
    bool m_changed = false;
    bool m_checking = false;

    EntryHeader* m_header = nullptr;
    std::array<std::array<QLabel*, 6>, 3> m_names{};  // lName, lNameB, lNameC
    std::array<QLineEdit*, DualLines::kBouts> Score{};
    std::array<QLabel*, DualLines::kBouts> lVictoryL{};
    std::array<QLabel*, DualLines::kBouts> lVictoryR{};
    QPushButton* bPrevRound = nullptr;
    QPushButton* bPrev = nullptr;
    QPushButton* bNext = nullptr;
    QPushButton* bNextRound = nullptr;
    QPushButton* bSave = nullptr;
    QPushButton* bCancel = nullptr;
};
