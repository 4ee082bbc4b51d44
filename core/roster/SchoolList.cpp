#include "roster/SchoolList.h"

#include "db/Database.h"

Result<SchoolList> SchoolList::Load(const Database& db) {
    std::vector<School> schools;
    Statement query =
        db.prepare(QStringLiteral("SELECT Team, Abbreviation FROM Teams ORDER BY Team"));
    while (query.next()) {
        schools.push_back({query.toInt(0), query.toText(1)});
    }
    if (!query.ok()) {
        return query.status();
    }
    return SchoolList(std::move(schools));
}

QString SchoolList::EntryText(const School& school) {
    return school.abbreviation + QString(20, QLatin1Char(' ')) + QString::number(school.team);
}

int SchoolList::NumericValue(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace()) {
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i) {
        value = value * 10 + (text[i].unicode() - '0');
        if (value > 1000000000) {
            break;
        }
    }
    return static_cast<int>(value);
}

int SchoolList::NumberFromPosition20(const QString& entry) {
    return NumericValue(QStringView(entry).mid(19));
}

int SchoolList::NumberFromLastFive(const QString& entry) {
    return NumericValue(QStringView(entry).right(5));
}

QString SchoolList::entryText(int index) const {
    return index >= 0 && index < size() ? EntryText(m_schools[static_cast<size_t>(index)])
                                        : QString();
}

int SchoolList::indexOfTeam(int team) const {
    for (int i = 0; i < size(); ++i) {
        if (NumberFromPosition20(entryText(i)) == team) {
            return i;
        }
    }
    return -1;
}

QString SchoolList::abbreviationOf(int team) const {
    const int index = indexOfTeam(team);
    return index < 0 ? QString() : m_schools[static_cast<size_t>(index)].abbreviation;
}

int SchoolList::teamByAbbreviation(const QString& abbreviation) const {
    int found = -1;
    for (const School& school : m_schools) {
        if (school.abbreviation.trimmed().compare(abbreviation.trimmed(), Qt::CaseInsensitive) ==
            0) {
            if (found >= 0) {
                return -1;
            }
            found = school.team;
        }
    }
    return found;
}
