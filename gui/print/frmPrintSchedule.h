#pragma once

#include "db/Status.h"
#include "print/ChampionshipDay.h"

#include <QDialog>
#include <array>
#include <functional>

class ORLEMain;
class PrintSink;
class Prompter;
class QAction;
class QCheckBox;
class QMenu;
class QPushButton;
class frmChooseOne;
struct SheetEvent;
class GridSheet;
class Database;

// Prints, for the chosen events, the group, schedule, strip and referee sheets, and starts
// the competitor and team schedules.
class frmPrintSchedule final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmPrintSchedule)

public:
    // `sink` replaces the system printer (tests); without one each print action prints
    // straight to the printer, or to PDFs beside the championship file when there is none.
    frmPrintSchedule(ORLEMain& state, Prompter& prompter, QWidget* parent = nullptr,
                     PrintSink* sink = nullptr);
    ~frmPrintSchedule() override;

    // Captions the event boxes and checks the events of the current event's gender.
    void Form_Load();
    void cbWeapon_Click();
    void bGender_Click(int index);
    // 0 group and schedule sheets, 1 group sheets, 2 schedule sheets, 3 and 4 the strip
    // assignments of day one and day two.
    void bPrint_Click(int index);
    void bPrintReferee_Click(int index);
    void bPrintCompetitor_Click();
    void bPrintTeam_Click();

    frmChooseOne& chooser();

private:
    using Builder = std::function<Status(const Database&, const SheetEvent&, GridSheet&)>;

    void buildControls();
    void buildMenus();
    QList<int> checkedEvents() const;
    // Prints the sheets of every checked event, in event order, one job per sheet.
    void printSheets(const QList<Builder>& builders);
    void printSchedules(bool teamMode);
    // Runs a print action on the sink and tells the user what became of it.
    void runPrint(const std::function<Status(PrintSink&)>& action);

    ORLEMain& m_state;
    Prompter& m_prompter;
    PrintSink* m_sink;
    frmChooseOne* m_chooser = nullptr;

    std::array<QCheckBox*, 6> cbWeapon{};
    std::array<QPushButton*, 3> bGender{};
    std::array<QPushButton*, 5> bPrint{};
    std::array<QPushButton*, 2> bPrintReferee{};
    QPushButton* bPrintCompetitor = nullptr;
    QPushButton* bPrintTeam = nullptr;
    QPushButton* bExit = nullptr;
    QMenu* mPrintHdr = nullptr;
};
