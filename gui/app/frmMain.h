#pragma once

#include "db/ChampionshipFile.h"

#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>

class ORLEMain;
class Prompter;
class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QPushButton;
class frmConfirmInd;
class frmEditRosters;
class frmEnterDual;
class frmEnterFinal4;
class frmEnterPool;
class frmFindMissing;
struct EntryHandOver;
class frmPrintSchedule;
class frmPrintScoresheets;
class frmShowResults;
class frmUtilities;
class frmPublishLive;
class LiveSiteTrigger;
class OtherStationSaves;

// The main window: opens and creates championship files and leads to every task window.
class frmMain final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmMain)

public:
    enum class EntryWindow { Pool, Dual, FinalFour };

    frmMain(ORLEMain& state, Prompter& prompter, QWidget* parent = nullptr);
    ~frmMain() override;

    // The load step: reads the settings and opens `requested`, the file named on the command
    // line, or else reopens the last championship file silently.
    void Form_Load(const QString& requested = QString());
    // Creates a new file at `path` and opens it; a failure is told and changes nothing.
    bool CreateNewDatabase(const QString& path);
    // Opens `path`; a refusal disables the commands that need a file. `explicitOpen`
    // tells the user why a file could not be opened (start-up stays silent).
    void OpenDatabase(const QString& path, bool explicitOpen);
    // Enables the commands that a file makes available.
    void ActivationStep();

    // Connects a main button to its window; a button without one stays disabled.
    void setCommand(QPushButton* button, std::function<void()> action);
    // Connects one kind of entry window to the Enter Results loop.
    void setEntryWindow(EntryWindow kind, std::function<void()> showModal);

    bool databaseAvailable() const { return m_databaseAvailable; }
    // An entry window that hands over to another kind of round calls this before it
    // closes; the Enter Results loop then opens the matching window.
    void KeepEntering();

    void mOpen_Click();
    void mOpenServer_Click();
    void mNew_Click();
    void bEnterResults_Click();

protected:
    bool event(QEvent* event) override;

private:
    template <class Window>
    Window& taskWindow(Window*& window);
    template <class Window>
    void showTaskWindow(Window*& window);
    void buildButtons();
    void buildMenus();
    void listRecentFiles();
    QList<QPushButton*> commandButtons() const;
    void updateCommands();
    void showStatus();
    void mPrintSetup_Click();
    void mSaveCopy_Click();
    void mPublishLive_Click();
    void showLiveStatus();
    void exitProgram();
    QString dialogFolder() const;
    // On a server championship, hears the other stations' saves and tells every window.
    void followOtherStations();
    void otherStationSaved();
    void serverReachable(bool reachable);
    EntryHandOver entryHandOver();
    void showEnterPool();
    void showEnterDual();
    void showEnterFinal4();
    void showFindMissing();

    ORLEMain& m_state;
    Prompter& m_prompter;
    bool m_databaseAvailable = false;
    std::map<QPushButton*, std::function<void()>> m_commands;
    std::map<EntryWindow, std::function<void()>> m_entryWindows;

    QLabel* m_status = nullptr;
    QMenu* m_recentFiles = nullptr;
    QLabel* m_liveStatus = nullptr;
    QAction* mPublishLive = nullptr;
    QAction* mSaveCopy = nullptr;
    LiveSiteTrigger* m_liveSite = nullptr;
    std::unique_ptr<OtherStationSaves> m_otherStations;
    bool m_serverLost = false;
    frmPublishLive* m_publishLive = nullptr;
    QPushButton* bEnterResults = nullptr;
    QPushButton* bEditRosters = nullptr;
    QPushButton* bUnreported = nullptr;
    QPushButton* bPrintScoresheets = nullptr;
    QPushButton* bPrintSchedule = nullptr;
    QPushButton* bCalculateResults = nullptr;
    QPushButton* bConfirm = nullptr;
    QPushButton* bUtilities = nullptr;
    QPushButton* bExit = nullptr;
    QCheckBox* cbKeepEntering = nullptr;
    frmEditRosters* m_editRosters = nullptr;
    frmEnterPool* m_enterPool = nullptr;
    frmEnterDual* m_enterDual = nullptr;
    frmEnterFinal4* m_enterFinal4 = nullptr;
    frmFindMissing* m_findMissing = nullptr;
    frmConfirmInd* m_confirmInd = nullptr;
    frmPrintSchedule* m_printSchedule = nullptr;
    frmPrintScoresheets* m_printScoresheets = nullptr;
    frmShowResults* m_showResults = nullptr;
    frmUtilities* m_utilities = nullptr;
};
