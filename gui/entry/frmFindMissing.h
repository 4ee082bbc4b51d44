#pragma once

#include <QDialog>
#include <array>
#include <functional>

class ORLEMain;
class Prompter;
class QCheckBox;
class QGridLayout;
class QLabel;
class QPushButton;

// Shows for every event, round and strip whether its bouts have come back: empty when none
// has, grey when some have, ticked when all have. A strip's box opens its entry window.
class frmFindMissing final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmFindMissing)

public:
    static constexpr int kEvents = 6;
    static constexpr int kRounds = 7;
    static constexpr int kStripSets = 4;

    frmFindMissing(ORLEMain& state, Prompter& prompter, QWidget* parent = nullptr);

    // How the window opens the entry window of the current event, round and strip set.
    void setEnterResults(std::function<void()> enterResults);
    void Form_Load();
    // Reads every strip of every round afresh and sets the boxes at once.
    void EvaluateAll();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildGrid(QGridLayout* grid);
    void openStrip(int index);
    void moveFocus(int index, int rowStep, int roundStep);
    QCheckBox* box(int weapon, int round, int stripSet) const;

    ORLEMain& m_state;
    Prompter& m_prompter;
    std::function<void()> m_enterResults;
    std::array<QCheckBox*, kEvents * kRounds * kStripSets> cbReported{};
    std::array<QLabel*, kEvents> lWeaponName{};
    std::array<QLabel*, kEvents * kStripSets> lStripSet{};
    QPushButton* bReturn = nullptr;
};
