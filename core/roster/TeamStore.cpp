#include "roster/TeamStore.h"

#include "db/Database.h"
#include "db/Transaction.h"

Result<std::optional<int>> TeamStore::maxTeam() const {
    const Result<std::optional<long long>> highest =
        m_db.queryInt(QStringLiteral("SELECT MAX(Team) FROM Teams"));
    if (!highest) {
        return highest.status();
    }
    if (!*highest) {
        return std::optional<int>();
    }
    return std::optional<int>(static_cast<int>(**highest));
}

Result<std::optional<TeamNames>> TeamStore::load(int team) const {
    Statement query = m_db.prepare(
        QStringLiteral(
            "SELECT Abbreviation, MediumTeamName, FullTeamName FROM Teams WHERE Team = ?"),
        {team});
    if (!query.next()) {
        if (!query.ok()) {
            return query.status();
        }
        return std::optional<TeamNames>();
    }
    return std::optional<TeamNames>(TeamNames{query.toText(0), query.toText(1), query.toText(2)});
}

Result<int> TeamStore::fencerCount(int team) const {
    const Result<std::optional<long long>> count = m_db.queryInt(
        QStringLiteral("SELECT COUNT(FencerNumber) FROM Roster WHERE Team = ?"), {team});
    if (!count) {
        return count.status();
    }
    return static_cast<int>(count->value_or(0));
}

QString TeamStore::Problem(const TeamNames& names) {
    if (names.medium.trimmed().isEmpty()) {
        return QStringLiteral("Medium Team Name must not be blank.");
    }
    if (names.full.trimmed().isEmpty()) {
        return QStringLiteral("Full Team Name must not be blank.");
    }
    if (names.abbreviation.trimmed().isEmpty()) {
        return QStringLiteral("Abbreviation must not be blank.");
    }
    return QString();
}

Status TeamStore::save(int team, const TeamNames& names) const {
    if (const QString problem = Problem(names); !problem.isEmpty()) {
        return Status::failure(problem);
    }
    const SqlParams values = {names.medium.trimmed(), names.full.trimmed(),
                              names.abbreviation.trimmed(), team};
    Transaction transaction(m_db);
    if (!transaction.begun()) {
        return transaction.begun();
    }
    const Result<std::optional<long long>> found =
        m_db.queryInt(QStringLiteral("SELECT COUNT(*) FROM Teams WHERE Team = ?"), {team});
    if (!found) {
        return found.status();
    }
    const Status written =
        found->value_or(0) > 0
            ? m_db.exec(QStringLiteral("UPDATE Teams SET MediumTeamName = ?, FullTeamName = ?, "
                                       "Abbreviation = ? WHERE Team = ?"),
                        values)
            : m_db.exec(QStringLiteral("INSERT INTO Teams (MediumTeamName, FullTeamName, "
                                       "Abbreviation, Team) VALUES (?, ?, ?, ?)"),
                        values);
    if (!written) {
        return written;
    }
    return transaction.commit();
}

Status TeamStore::remove(int team) const {
    const Result<int> fencers = fencerCount(team);
    if (!fencers) {
        return fencers.status();
    }
    if (*fencers > 0) {
        return Status::failure(
            QStringLiteral("This team has fencers on the roster and cannot be deleted."));
    }
    return m_db.exec(QStringLiteral("DELETE FROM Teams WHERE Team = ?"), {team});
}
