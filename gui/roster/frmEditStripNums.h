#pragma once

#include "roster/StripNameStore.h"

#include <QDialog>
#include <array>

class ORLEMain;
class Prompter;
class QAction;
class QLineEdit;
class QPushButton;

// The strip names editor: the strip of each of the four strip sets of all six events.
class frmEditStripNums final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmEditStripNums)

public:
    frmEditStripNums(ORLEMain& state, Prompter& prompter, QWidget* parent = nullptr);

    void Form_Load();
    // The box of strip set `stripSet` of event `weapon`.
    QLineEdit* tStripName(int weapon, int stripSet) const;

    void bClear_Click();
    // Asks, writes all 24 names and closes; false when not saved.
    bool bSave_Click();

protected:
    // Close, Exit, Escape and the close box ask about unsaved changes first.
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Kept: another writer changed names meanwhile; theirs are shown.
    enum class SaveOutcome { Saved, Declined, Failed, Kept };

    SaveOutcome saveNames();
    void buildControls();
    void buildMenus();
    void setSaveEnabled(bool enabled);
    // Shows the names as last read or written.
    void showLoaded();

    ORLEMain& m_state;
    Prompter& m_prompter;
    std::array<QLineEdit*, 24> m_boxes{};
    StripNameStore::Names m_loaded;
    bool m_loading = false;
    QPushButton* bSave = nullptr;
    QPushButton* bClear = nullptr;
    QPushButton* bCancel = nullptr;
    QAction* mSave = nullptr;
};
