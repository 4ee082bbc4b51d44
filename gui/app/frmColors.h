#pragma once

#include "db/EventColorEditor.h"

#include <QColor>
#include <QDialog>
#include <array>
#include <functional>

class ORLEMain;
class Prompter;
class QAction;
class QLabel;
class QMenu;
class QPushButton;

// Lets the staff change each event's window colour or restore its built-in one, and keeps
// the choice in the settings for later runs.
class frmColors final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmColors)

public:
    // Asks for a colour starting from `initial`; a cancelled dialog gives `initial` back.
    using ColorDialog = std::function<QColor(QWidget* parent, const QColor& initial)>;

    frmColors(ORLEMain& state, Prompter& prompter, QWidget* parent = nullptr,
              ColorDialog chooseColor = {});
    ~frmColors() override;

    // Captions the events and paints their boxes with the colours in use.
    void Form_Load();
    // Double-click on a colour box: choose a new colour for that event.
    void lWeaponColor_DblClick(int index);
    // Right button released over a colour box: offer "Restore Default" for that event.
    void lWeaponColor_RightClick(int index, const QPoint& globalPos);
    void mRCRestore_Click();
    void bSave_Click();

    QMenu* popupMenu() const { return mRClickmnu; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    void buildControls();
    void paintBox(int index);
    void showPending();
    bool save();

    ORLEMain& m_state;
    Prompter& m_prompter;
    ColorDialog m_chooseColor;
    EventColorEditor m_editor;
    int m_menuIndex = -1;

    std::array<QLabel*, 6> lWeaponName{};
    std::array<QLabel*, 6> lWeaponColor{};
    QPushButton* bSave = nullptr;
    QPushButton* bCancel = nullptr;
    QMenu* mRClickmnu = nullptr;
    QAction* mRCRestore = nullptr;
};
