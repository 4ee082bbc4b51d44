#pragma once

#include "entry/EntryDialog.h"
#include "entry/EntryMenus.h"
#include "standings/FinalFourBracket.h"

#include <map>

class ORLEMain;
class Prompter;
class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class frmEditFinalFencers;

// Result entry for an event's Final Four: the semifinals, then the gold and bronze medal
// bouts, as a bracket whose winners are picked by name.
class frmEnterFinal4 final : public EntryDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmEnterFinal4)

public:
    frmEnterFinal4(ORLEMain& state, Prompter& prompter, QWidget* parent = nullptr);

    // Opens on the current event.
    void Form_Load();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildBout(int bout, QWidget* parent);
    QWidget* buildMedallist(int slot, const QString& caption, QWidget* parent);
    void buildBracket();
    void buildButtons();
    void connectMenus();
    // Reads the event's bracket; an unseeded event offers the seeding when `offerSeeding`.
    void loadBracket(bool offerSeeding);
    void showBracket();
    void nameClicked(int slot);
    void clearClicked(int box);
    void mSeed_Click();
    void setUnsaved(bool unsaved);
    bool save();
    bool confirmLeave() override;
    void moveToEvent(int weapon);
    void handOver(int round) { EntryDialog::handOver(m_state, round); }
    void checkMenus() override;
    bool hasUnsavedEntries() const override;
    void afterRestore() override;
    void reloadShown() override { loadBracket(false); }
    void markChangedElsewhere() override;

    ORLEMain& m_state;
    Prompter& m_prompter;
    EntryMenus m_menus;
    FinalFourBracket m_bracket;

    QLabel* lRoundStrip = nullptr;
    QLabel* lWeaponName = nullptr;
    std::map<int, QPushButton*> lName;
    std::map<int, QLineEdit*> Score;
    std::map<int, QPushButton*> bClear;
    QPushButton* bPrintScoresheets = nullptr;
    QPushButton* bSave = nullptr;
    QPushButton* bCancel = nullptr;
    QAction* mSeed = nullptr;
    frmEditFinalFencers* m_seeding = nullptr;
};
