#include "db/ORLEMain.h"

#include "db/ChampionshipYear.h"

ORLEMain::ORLEMain(std::unique_ptr<RegistrySettings> settings, Clock today)
    : m_settings(std::move(settings)), m_today(std::move(today)) {
    ChampionshipYear = QString::number(m_today().year());
}

QString ORLEMain::LoadSettings() {
    for (int event = 0; event < 6; ++event) {
        const ColorValue stored = m_settings->eventColor(event);
        EventColors[static_cast<size_t>(event)] =
            stored == 0 ? DefaultColors[static_cast<size_t>(event)] : stored;
    }
    return m_settings->databasePath();
}

ChampionshipFile::Opened ORLEMain::OpenDatabase(const QString& path) {
    CloseDatabase();
    ChampionshipFile::Opened opened = ChampionshipFile::Open(path);
    if (!opened.db) {
        return opened;
    }
    m_connection = std::move(opened.db);
    ConnectString = path;
    m_settings->setDatabasePath(path);
    ChampionshipYear = ChampionshipYearFor(path, m_today());
    RecountGroups();
    return opened;
}

void ORLEMain::CloseDatabase() {
    m_connection.reset();
    ConnectString.clear();
}

void ORLEMain::RecountGroups() {
    if (!m_connection) {
        return;
    }
    const long long groups =
        m_connection->queryInt(QStringLiteral("SELECT COUNT(\"Group\") FROM Groups")).value_or(9);
    LastStripSet = static_cast<int>((groups - 1) / 2 - 1);
    LastRound = static_cast<int>(groups - 3);
}
