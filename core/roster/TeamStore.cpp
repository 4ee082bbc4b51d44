#include "roster/TeamStore.h"

#include "db/ChangedElsewhere.h"
#include "db/Database.h"
#include "db/Transaction.h"
#include "roster/ControlCharacters.h"

#include <array>
#include <tuple>

std::optional<int> TeamStore::maxTeam() const {
    Statement query = m_db.prepare(QStringLiteral("SELECT MAX(Team) FROM Teams"));
    if (!query.next() || query.isNull(0)) {
        return std::nullopt;
    }
    return query.toInt(0);
}

std::optional<TeamNames> TeamStore::load(int team) const {
    std::optional<TeamNames> names;
    if (!read(team, names)) {
        return std::nullopt;
    }
    return names;
}

Status TeamStore::read(int team, std::optional<TeamNames>& names) const {
    names.reset();
    Statement query = m_db.prepare(
        QStringLiteral(
            "SELECT Abbreviation, MediumTeamName, FullTeamName FROM Teams WHERE Team = ?"),
        {team});
    if (query.next()) {
        names = TeamNames{query.toText(0), query.toText(1), query.toText(2)};
    }
    return query.ok() ? Status::success() : Status::failure(query.errorString());
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

namespace {

// Each name that differs, by its label, with the typed and the stored text.
QString describe(const TeamNames& typed, const std::optional<TeamNames>& stored) {
    if (!stored) {
        return QStringLiteral("the school is no longer in the file");
    }
    const std::array<std::tuple<const char*, QString, QString>, 3> names = {{
        {"Abbreviation", typed.abbreviation, stored->abbreviation},
        {"Medium Team Name", typed.medium, stored->medium},
        {"Long Team Name", typed.full, stored->full},
    }};
    QStringList parts;
    for (const auto& [label, mine, theirs] : names) {
        if (mine != theirs) {
            parts << QStringLiteral("%1: %2").arg(QLatin1String(label),
                                                  ChangedElsewhere::TypedAndStored(mine, theirs));
        }
    }
    return parts.join(QStringLiteral("; "));
}

}  // namespace

Status TeamStore::save(int team, const TeamNames& names, const std::optional<TeamNames>& loaded,
                       QStringList* changedElsewhere) const {
    if (const QString problem = Problem(names); !problem.isEmpty()) {
        return Status::failure(problem);
    }
    const TeamNames trimmed{names.abbreviation.trimmed(), names.medium.trimmed(),
                            names.full.trimmed()};
    if (trimmed == loaded) {
        return Status::success();
    }
    Transaction transaction(m_db);
    if (!transaction.begun()) {
        return transaction.begun();
    }
    std::optional<TeamNames> stored;
    if (Status s = read(team, stored); !s) {
        return s;
    }
    if (stored != loaded && stored != trimmed) {
        if (changedElsewhere != nullptr) {
            *changedElsewhere = QStringList{
                QStringLiteral("Team %1: %2").arg(team + 1).arg(describe(trimmed, stored))};
        }
        return Status::success();
    }
    const SqlParams values = {trimmed.medium, trimmed.full, trimmed.abbreviation, team};
    const Status written =
        stored ? m_db.exec(QStringLiteral("UPDATE Teams SET MediumTeamName = ?, FullTeamName = ?, "
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
