#include "roster/TeamStore.h"

#include "db/Database.h"
#include "db/Transaction.h"
#include "roster/ControlCharacters.h"

std::optional<int> TeamStore::maxTeam() const {
    Statement query = m_db.prepare(QStringLiteral("SELECT MAX(Team) FROM Teams"));
    if (!query.next() || query.isNull(0)) {
        return std::nullopt;
    }
    return query.toInt(0);
}

std::optional<TeamNames> TeamStore::load(int team) const {
    Statement query = m_db.prepare(
        QStringLiteral(
            "SELECT Abbreviation, MediumTeamName, FullTeamName FROM Teams WHERE Team = ?"),
        {team});
    if (!query.next()) {
        return std::nullopt;
    }
    return TeamNames{query.toText(0), query.toText(1), query.toText(2)};
}

int TeamStore::fencerCount(int team) const {
    return static_cast<int>(
        m_db.queryInt(QStringLiteral("SELECT COUNT(FencerNumber) FROM Roster WHERE Team = ?"),
                      {team})
            .value_or(0));
}

QString TeamStore::Problem(const TeamNames& names) {
    if (QString problem =
            ControlCharacters::FirstProblem({{QStringLiteral("Medium Team Name"), names.medium},
                                             {QStringLiteral("Full Team Name"), names.full},
                                             {QStringLiteral("Abbreviation"), names.abbreviation}},
                                            QStringLiteral("This school"));
        !problem.isEmpty()) {
        return problem;
    }
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
    const bool exists =
        m_db.queryInt(QStringLiteral("SELECT COUNT(*) FROM Teams WHERE Team = ?"), {team})
            .value_or(0) > 0;
    const Status written =
        exists ? m_db.exec(QStringLiteral("UPDATE Teams SET MediumTeamName = ?, FullTeamName = ?, "
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
    if (fencerCount(team) > 0) {
        return Status::failure(
            QStringLiteral("This team has fencers on the roster and cannot be deleted."));
    }
    return m_db.exec(QStringLiteral("DELETE FROM Teams WHERE Team = ?"), {team});
}
