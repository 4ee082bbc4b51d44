#pragma once

#include "print/ScoresheetChoice.h"

#include <QDate>
#include <QDialog>
#include <array>
#include <functional>

class ORLEMain;
class PrintSink;
class Prompter;
class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;

// Prints the referees' scoresheets of one event: the round-one pool sheets, the dual
// scoresheets of the chosen rounds and the Final Four sheets, for every strip or one.
class frmPrintScoresheets final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmPrintScoresheets)

public:
    using Clock = std::function<QDate()>;

    // `sink` replaces the system printer and `today` the calendar (tests).
    frmPrintScoresheets(ORLEMain& state, Prompter& prompter, QWidget* parent = nullptr,
                        PrintSink* sink = nullptr, Clock today = &QDate::currentDate);
    ~frmPrintScoresheets() override;

    // Captions the Weapon menu and chooses the current event.
    void Form_Load();
    // Moves the check mark, colours and strip names to event `index`.
    void mWeapon_Click(int index);
    // Enables the strip and print commands for what is checked.
    void EvaluateEnabling();
    void bDayOne_Click();
    void bDayTwo_Click();
    void bFinalFour_Click();
    void bPrint_Click();
    // Prints the chosen sheets for the strip of button or menu entry `index` only.
    void bStrip_Click(int index);

    int chosenEvent() const { return m_event; }

private:
    void buildControls();
    void buildMenus();
    void toggle(int first, int last);
    ScoresheetChoice choice() const;
    void printAll(int stripSet);

    ORLEMain& m_state;
    Prompter& m_prompter;
    PrintSink* m_sink;
    Clock m_today;
    int m_event = -1;
    std::array<int, 4> m_stripSets{};

    QLabel* lWeaponName = nullptr;
    std::array<QCheckBox*, 7> cbRound{};
    std::array<QCheckBox*, 2> cbFinalFour{};
    std::array<QGroupBox*, 3> m_frames{};
    QPushButton* bDayOne = nullptr;
    QPushButton* bDayTwo = nullptr;
    QPushButton* bFinalFour = nullptr;
    QCheckBox* cbTomorrow = nullptr;
    std::array<QPushButton*, 4> bStrip{};
    QPushButton* bPrint = nullptr;
    QPushButton* bExit = nullptr;
    std::array<QAction*, 6> mWeapon{};
    QMenu* mStripHdr = nullptr;
    std::array<QAction*, 4> mStrip{};
    QAction* mPrint = nullptr;
};
