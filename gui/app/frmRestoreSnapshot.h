#pragma once

#include "db/Snapshots.h"

#include <QDialog>
#include <vector>

class ORLEMain;
class Prompter;
class QLabel;
class QPushButton;
class QTableWidget;

// The championship file's snapshots, newest first; puts a chosen one back into the open file
// after keeping the file as it is.
class frmRestoreSnapshot final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmRestoreSnapshot)

public:
    frmRestoreSnapshot(ORLEMain& state, Prompter& prompter, QWidget* parent = nullptr);

    // Lists the snapshots afresh; called on every showing.
    void Form_Load();
    void bRestore_Click();

private:
    void fill();
    const Snapshots::Snapshot* chosen() const;

    ORLEMain& m_state;
    Prompter& m_prompter;
    std::vector<Snapshots::Snapshot> m_snapshots;

    QLabel* lSnapshots = nullptr;
    QTableWidget* fpSnapshots = nullptr;
    QLabel* lStatus = nullptr;
    QPushButton* bRestore = nullptr;
    QPushButton* bClose = nullptr;
};
