#pragma once

#include <QDate>
#include <QString>

// The year printed in report titles, read from a file named ORLE<year>.mdb or a server
// database named orle<year>; any other name, or a year before 1999, gives the current year.
QString ChampionshipYearFor(const QString& path, const QDate& today);

// The same year from a bare name (a file's name, or a server database's name such as
// orle2026), read from its fifth to eighth characters.
QString ChampionshipYearForName(const QString& name, const QDate& today);
