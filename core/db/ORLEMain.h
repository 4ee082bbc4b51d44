#pragma once

#include "db/ChampionshipStore.h"
#include "db/Database.h"
#include "db/EventColors.h"
#include "db/RegistrySettings.h"

#include <QDate>
#include <QString>
#include <functional>
#include <memory>

// The program's shared state: the one connection to the current championship file, the
// event, round and strip set being worked on, and the settings every window uses.
class ORLEMain final {
public:
    using Clock = std::function<QDate()>;

    explicit ORLEMain(std::unique_ptr<RegistrySettings> settings,
                      Clock today = &QDate::currentDate);

    // Reads the settings: the last file's path and the event colours.
    QString LoadSettings();

    // Closes the current file and opens the given one; on success remembers it, derives
    // the year and recounts the groups. The previous file stays closed on failure.
    ChampionshipStore::Opened OpenDatabase(const QString& path);
    void CloseDatabase();
    bool isOpen() const { return m_connection != nullptr; }
    const Database& connection() const { return *m_connection; }

    Status RecountGroups();

    // Puts a snapshot back into the open file (after a snapshot of it as it is) and recounts
    // the groups; returns the path of the snapshot of the state before.
    Result<QString> RestoreSnapshot(const QString& snapshotPath);
    // Moves on whenever the data under every window is replaced at once (a restore, another
    // file opened): a window that loaded at another generation reloads.
    int DataGeneration() const { return m_dataGeneration; }

    static short IntMin(short a, short b) { return a < b ? a : b; }
    static short IntMax(short a, short b) { return a > b ? a : b; }

    RegistrySettings& settings() { return *m_settings; }

    // Told after every save on the current file, whichever file is opened later.
    void setCommitObserver(std::function<void()> observer);
    // Names the window a save comes from, for the change log of every file opened.
    void setChangePlace(std::function<QString()> place);

    QString ConnectString;
    short CurrentWeapon = 0;
    short CurrentRound = 0;
    short CurrentStripSet = 0;
    int LastStripSet = 3;
    int LastRound = 6;
    QString ChampionshipYear;
    EventColorTable DefaultColors = kDefaultEventColors;
    EventColorTable EventColors = kDefaultEventColors;

private:
    std::unique_ptr<RegistrySettings> m_settings;
    Clock m_today;
    std::unique_ptr<Database> m_connection;
    std::function<void()> m_commitObserver;
    std::function<QString()> m_changePlace;
    int m_dataGeneration = 0;
};
