#pragma once

#include <QString>
#include <QStringList>
#include <array>

class QAction;
class QDialog;
class QMenuBar;

// The Weapon, Round, Strips, File and Help menus of the result entry windows.
class EntryMenus final {
public:
    // Builds the menu bar of `window` (the window places it); the File menu has Save only
    // when `withSave`.
    EntryMenus(QDialog* window, bool withSave);

    // Captions the event items; Ctrl+1..Ctrl+6 reach them from anywhere in the window.
    void setEventNames(const QStringList& names);
    // Captions the strip set items "Strip &" followed by the strip's name.
    void setStripNames(const QStringList& names);
    // Checks the current event, round and strip set.
    void check(int weapon, int round, int stripSet);
    QString eventName(int weapon) const;
    QString roundName(int round) const;
    QString stripName(int stripSet) const;

    QMenuBar* bar = nullptr;
    std::array<QAction*, 6> mWeapon{};
    QAction* mPrevRound = nullptr;
    QAction* mNextRound = nullptr;
    std::array<QAction*, 7> mRound{};
    QAction* mFinalFour = nullptr;
    QAction* mPrevStrip = nullptr;
    QAction* mNextStrip = nullptr;
    std::array<QAction*, 4> mStrip{};
    QAction* mSave = nullptr;
    QAction* mHistory = nullptr;
    QAction* mExit = nullptr;
    QAction* mAbout = nullptr;

private:
    static QString plain(const QString& caption);
};
