#pragma once

#include <QDialog>

class ORLEMain;
class PrintSink;
class Prompter;
class QPushButton;
class frmColors;
class frmEditStripNums;
class frmEditTeamNames;
class frmHistory;
class frmRestoreSnapshot;

// The once-a-championship tasks: school and strip names, starting the results over, the
// full results report and going back to a snapshot.
class frmUtilities final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmUtilities)

public:
    frmUtilities(ORLEMain& state, Prompter& prompter, QWidget* parent = nullptr);

    // The window has nothing to load; frmMain calls this on every showing.
    void Form_Load() {}
    // Tests catch the report here instead of the preview.
    void setPrintSink(PrintSink* sink) { m_sink = sink; }

    void bInitializeResults_Click();
    void bFullResults_Click();
    void bColors_Click();
    void bStripNums_Click();
    void bEditTeamNames_Click();
    void bHistory_Click();
    void bRestoreSnapshot_Click();

private:
    ORLEMain& m_state;
    Prompter& m_prompter;
    PrintSink* m_sink = nullptr;
    frmColors* m_colors = nullptr;
    frmEditStripNums* m_stripNums = nullptr;
    frmEditTeamNames* m_teamNames = nullptr;
    frmHistory* m_history = nullptr;
    frmRestoreSnapshot* m_restoreSnapshot = nullptr;

    QPushButton* bEditTeamNames = nullptr;
    QPushButton* bColors = nullptr;
    QPushButton* bStripNums = nullptr;
    QPushButton* bInitializeResults = nullptr;
    QPushButton* bFullResults = nullptr;
    QPushButton* bHistory = nullptr;
    QPushButton* bRestoreSnapshot = nullptr;
    QPushButton* bExit = nullptr;
};
