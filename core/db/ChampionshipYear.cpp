#include "db/ChampionshipYear.h"

#include "db/ServerUri.h"

#include <QFileInfo>

namespace {

constexpr int kYearStart = 4;  // after "ORLE"
constexpr int kYearDigits = 4;
constexpr int kFirstChampionshipYear = 1999;

}  // namespace

QString ChampionshipYearFor(const QString& path, const QDate& today) {
    if (ServerUri::IsServerUri(path)) {
        const Result<ServerUri> uri = ServerUri::Parse(path);
        return uri ? uri->championshipYear(today) : QString::number(today.year());
    }
    return ChampionshipYearForName(QFileInfo(path).fileName(), today);
}

QString ChampionshipYearForName(const QString& name, const QDate& today) {
    if (name != QLatin1String("ORLE.mdb")) {
        int year = 0;
        for (const QChar c : name.mid(kYearStart, kYearDigits)) {
            if (!c.isDigit()) {
                break;
            }
            year = year * 10 + c.digitValue();
        }
        if (year >= kFirstChampionshipYear) {
            return QString::number(year);
        }
    }
    return QString::number(today.year());
}
