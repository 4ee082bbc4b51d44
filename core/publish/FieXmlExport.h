#pragma once

#include "db/Result.h"
#include "db/Status.h"

#include <QByteArray>
#include <QDate>
#include <QString>

class Database;

// One event as an individual competition in the FIE's XML exchange format, for the other
// tournament programs of the sport: the fencers with their final places, the seven rounds as
// one pool of all the event's fencers with every recorded bout, and the Final Four as a table
// of four. Bouts not yet fenced are left out, so a file written mid-day is a competition in
// progress.
namespace FieXmlExport {

// The whole document, UTF-8, dated `day`.
Result<QByteArray> Bytes(const Database& db, int event, const QString& championshipYear,
                         const QDate& day);
// "MS.xml": the event's file named by its fixed code.
QString FileName(int event);
// Writes the file in one piece, as the results download does.
Status Write(const Database& db, int event, const QString& championshipYear, const QDate& day,
             const QString& path);

}  // namespace FieXmlExport
