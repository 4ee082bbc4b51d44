#pragma once

#include "roster/TeamNames.h"

#include <QDialog>
#include <optional>

class ORLEMain;
class Prompter;
class QAction;
class QLabel;
class QLineEdit;
class QPushButton;

// The school names editor: one school at a time by number, with add, delete and navigation.
class frmEditTeamNames final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmEditTeamNames)

public:
    frmEditTeamNames(ORLEMain& state, Prompter& prompter, QWidget* parent = nullptr);

    // Reads the highest school number and shows the first school; false (after telling the
    // user) when the file has no schools to show.
    bool Form_Load();

    int currentTeam() const { return m_currentTeam; }
    int maxTeam() const { return m_maxTeam; }

    void ShowTeam();
    // Asks about unsaved changes and saves; false when the caller must stop.
    bool SaveTeamIfChanged();

protected:
    void reject() override;

private:
    void buildControls();
    void buildMenus();
    void moveTo(int team);
    void bAdd_Click();
    void bDelete_Click();
    void bClear_Click();
    void setSaveEnabled(bool enabled);
    bool saveNames();

    ORLEMain& m_state;
    Prompter& m_prompter;
    int m_currentTeam = 0;
    int m_maxTeam = 0;
    bool m_showing = false;
    // The names shown as last read; none for a free number.
    std::optional<TeamNames> m_loaded;

    QLineEdit* tAbbreviation = nullptr;
    QLineEdit* tMediumTeamName = nullptr;
    QLineEdit* tFullTeamName = nullptr;
    QLabel* lTeamNumber = nullptr;
    QPushButton* bFirst = nullptr;
    QPushButton* bPrev = nullptr;
    QPushButton* bNext = nullptr;
    QPushButton* bLast = nullptr;
    QPushButton* bAdd = nullptr;
    QPushButton* bDelete = nullptr;
    QPushButton* bClear = nullptr;
    QPushButton* bSave = nullptr;
    QPushButton* bExit = nullptr;
    QAction* mSave = nullptr;
};
