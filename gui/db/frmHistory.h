#pragma once

#include "entry/HistoryLines.h"

#include <QDialog>
#include <optional>
#include <vector>

class ORLEMain;
class Prompter;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

// Every recorded change, newest first, filtered by event, round or fencer; a bout's change
// can be reverted to the result it had before. Other changes are shown only: a snapshot
// undoes them.
class frmHistory final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmHistory)

public:
    // The rounds filter: seven rounds, then the Final Four.
    static constexpr int kRoundChoices = 8;

    frmHistory(ORLEMain& state, Prompter& prompter, QWidget* parent = nullptr);

    // Opens on one event and round (an entry window's), or on everything.
    void setFilter(std::optional<int> event, std::optional<int> round);
    void Form_Load();
    // Whether a revert changed a bout since the window was loaded.
    bool reverted() const { return m_reverted; }

    void bRevert_Click();

protected:
    bool event(QEvent* event) override;

private:
    void buildFilters();
    void buildTable();
    void fillFencers();
    void showChanges();
    void selectionChanged();
    const HistoryLine* selectedLine() const;
    bool confirmRevert(const HistoryLine& line, const QString& now, bool changedSince);

    ORLEMain& m_state;
    Prompter& m_prompter;
    std::vector<HistoryLine> m_lines;
    bool m_reverted = false;
    bool m_loading = false;

    QComboBox* cbWeapon = nullptr;
    QComboBox* cbRound = nullptr;
    QComboBox* cbFencer = nullptr;
    QTableWidget* fpHistory = nullptr;
    QLabel* lCount = nullptr;
    QPushButton* bRevert = nullptr;
    QPushButton* bClose = nullptr;
};
