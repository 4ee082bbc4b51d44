#include "db/ChampionshipYear.h"

#include <QFileInfo>

QString ChampionshipYearFor(const QString& path, const QDate& today) {
    const QString name = QFileInfo(path).fileName();
    if (name != QLatin1String("ORLE.mdb")) {
        const QString digits = name.mid(4, 4);
        int year = 0;
        for (const QChar c : digits) {
            if (!c.isDigit()) {
                break;
            }
            year = year * 10 + c.digitValue();
        }
        if (year >= 1999) {
            return QString::number(year);
        }
    }
    return QString::number(today.year());
}
