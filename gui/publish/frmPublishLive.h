#pragma once

#include "publish/LivePublishing.h"

#include <QDialog>
#include <optional>

class LiveSiteTrigger;
class ORLEMain;
class Prompter;
class QLabel;
class QLineEdit;
class QPushButton;

// Chooses the folder the live results site of the open file goes to, or stops publishing it.
class frmPublishLive final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmPublishLive)

public:
    frmPublishLive(ORLEMain& state, LiveSiteTrigger& site, Prompter& prompter,
                   QWidget* parent = nullptr);

    // Reads where the site goes now; called each time the window opens.
    void Form_Load();

    void bBrowse_Click();
    void bPublish_Click();
    void bStop_Click();

private:
    // Where the site goes, read afresh or as the caller has just read it.
    void showState();
    void showState(const std::optional<LivePublishing::Target>& target);

    ORLEMain& m_state;
    LiveSiteTrigger& m_site;
    Prompter& m_prompter;
    QLabel* lState = nullptr;
    QLineEdit* tFolder = nullptr;
    QPushButton* bBrowse = nullptr;
    QPushButton* bPublish = nullptr;
    QPushButton* bStop = nullptr;
    QPushButton* bClose = nullptr;
};
