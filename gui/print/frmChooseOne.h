#pragma once

#include <QDialog>
#include <QList>

class ORLEMain;
class Prompter;
class QComboBox;
class QLabel;
class QPushButton;

// Picks the school, and for competitor schedules the fencer, whose schedules are printed.
class frmChooseOne final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmChooseOne)

public:
    // A school or fencer choice meaning "all of them"; a cancelled choice of school.
    static constexpr int kAll = 999;
    static constexpr int kCancelled = -1;

    frmChooseOne(ORLEMain& state, Prompter& prompter, QWidget* parent = nullptr);

    // Fills the lists for the events (team mode shows no fencer list) and selects "all".
    void prepare(const QList<int>& events, bool teamMode);

    // kCancelled after Cancel or Exit, kAll for all schools, otherwise a school code.
    int ChosenTeam() const { return m_chosenTeam; }
    // kAll for all fencers, otherwise event × 100 + fencer number.
    int ChosenFencer() const { return m_chosenFencer; }

    void cTeam_Click();
    void cFencer_Click();
    void bRun_Click();
    void bCancel_Click();

protected:
    void reject() override;

private:
    void buildMenus();

    ORLEMain& m_state;
    Prompter& m_prompter;
    QList<int> m_events;
    bool m_teamMode = false;
    int m_chosenTeam = kCancelled;
    int m_chosenFencer = kAll;

    QLabel* lblTeam = nullptr;
    QComboBox* cTeam = nullptr;
    QLabel* lblFencer = nullptr;
    QComboBox* cFencer = nullptr;
    QPushButton* bRun = nullptr;
    QPushButton* bCancel = nullptr;
};
