#include "db/ORLEMain.h"

#include "db/ChampionshipYear.h"
#include "db/Snapshots.h"

namespace {
constexpr long long kSeedGroups = 9;
}  // namespace

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

ChampionshipStore::Opened ORLEMain::OpenDatabase(const QString& path) {
    CloseDatabase();
    ++m_dataGeneration;
    ChampionshipStore::Opened opened = ChampionshipStore::Open(path);
    if (!opened.store) {
        return opened;
    }
    m_connection = std::move(opened.store);
    m_connection->setCommitObserver(m_commitObserver);
    m_connection->setChangePlace(m_changePlace);
    ConnectString = path;
    m_settings->setDatabasePath(path);
    m_settings->rememberRecentFile(path);
    ChampionshipYear = ChampionshipYearFor(path, m_today());
    if (Status counted = RecountGroups(); !counted) {
        CloseDatabase();
        opened.failure = ChampionshipFile::OpenFailure::CannotOpen;
        opened.reason = counted.message();
    }
    return opened;
}

void ORLEMain::CloseDatabase() {
    m_connection.reset();
    ConnectString.clear();
}

Status ORLEMain::RecountGroups() {
    if (!m_connection) {
        return Status::success();
    }
    const Result<std::optional<long long>> counted =
        m_connection->queryInt(QStringLiteral("SELECT COUNT(\"Group\") FROM Groups"));
    if (!counted) {
        return counted.status();
    }
    const long long groups = counted->value_or(kSeedGroups);
    LastStripSet = static_cast<int>((groups - 1) / 2 - 1);
    LastRound = static_cast<int>(groups - 3);
    return Status::success();
}

Result<QString> ORLEMain::RestoreSnapshot(const QString& snapshotPath) {
    if (!m_connection) {
        return Status::failure(QStringLiteral("No championship file is open."));
    }
    const Result<QString> before = Snapshots::Restore(*m_connection, snapshotPath);
    if (!before) {
        return before;
    }
    ++m_dataGeneration;
    if (Status counted = RecountGroups(); !counted) {
        return counted;
    }
    return before;
}

void ORLEMain::setCommitObserver(std::function<void()> observer) {
    m_commitObserver = std::move(observer);
    if (m_connection) {
        m_connection->setCommitObserver(m_commitObserver);
    }
}

void ORLEMain::setChangePlace(std::function<QString()> place) {
    m_changePlace = std::move(place);
    if (m_connection) {
        m_connection->setChangePlace(m_changePlace);
    }
}
