#include "standings/EventNames.h"

#include "db/Database.h"

Status EventNames::load(const Database& db) {
    Statement q = db.prepare(QStringLiteral(
        "SELECT Weapon, WeaponName, Abbreviation FROM Weapons WHERE Weapon < 6 ORDER BY Weapon"));
    while (q.next()) {
        const auto event = static_cast<size_t>(q.toInt(0));
        m_names.at(event) = q.toText(1);
        m_abbreviations.at(event) = q.toText(2);
    }
    return q.ok() ? Status::success() : Status::failure(q.errorString());
}

QString EventNames::teamsReportName(TeamVariant variant) const {
    if (variant == TeamVariant::AllEvents) {
        return QStringLiteral("Teams");
    }
    QString prefix = name(variant == TeamVariant::Men ? 2 : 3).left(7);
    if (prefix.startsWith(QLatin1String("Men"))) {
        prefix = QStringLiteral("Men's");
    }
    return prefix + QStringLiteral(" Teams");
}

Result<QString> EventNames::Abbreviation(const Database& db, int event) {
    const Result<std::optional<QString>> abbreviation =
        db.queryText(QStringLiteral("SELECT Abbreviation FROM Weapons WHERE Weapon = ?"), {event});
    if (!abbreviation) {
        return abbreviation.status();
    }
    return abbreviation->value_or(QString::number(event));
}
