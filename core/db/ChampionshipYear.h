#pragma once

#include <QDate>
#include <QString>

// The year printed in report titles, read from a file named ORLE<year>.mdb; any other
// name, or a year before 1999, gives the current year.
QString ChampionshipYearFor(const QString& path, const QDate& today);
