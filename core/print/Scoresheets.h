#pragma once

#include "db/Database.h"
#include "db/Status.h"
#include "print/BandedReport.h"
#include "print/GridSheet.h"
#include "print/SheetEvent.h"

#include <QDate>
#include <QList>

// The sheets referees record bouts on, for one event: round-one pool sheets, dual
// scoresheets and Final Four scoresheets.
namespace Scoresheets {

// What every scoresheet carries: the event, the day printed on it and the strip it is for.
struct Request {
    SheetEvent event;
    QDate date;
    // The strip set (0..3) the pools and duals are restricted to, or -1 for every strip.
    int stripSet = -1;
};

// The day printed on the sheets: today, or tomorrow when the sheets are made the day before.
QDate SheetDate(const QDate& today, bool tomorrow);
// "Tuesday, December 8, 2026", in English whatever the machine's language.
QString DateText(const QDate& date);

// The bout order of a round-one pool, as five centred lines of three bouts in the markup.
// Team-mates on places 3 and 6 meet first.
QString PoolBoutOrder(bool teamMates);

// One pool sheet per strip of round 1: the six fencers, the bout matrix and the bout order.
Status PoolSheets(const Database& db, const Request& request, QList<GridSheet>& sheets);

// `DualScoresheets`: one page per strip and round of `rounds` (stored 1..6), the nine bouts
// in their three subrounds. Records: Matchups > Subrounds > ScoresheetData.
Status DualScoresheets(const Database& db, const Request& request, const QList<int>& rounds,
                       BandedReport& report);

// `Final4Scoresheets`: one page per Final Four bout of `bouts` (0, 1, 10, 11); a bout not yet
// set up prints with empty fencer fields.
Status Final4Scoresheets(const Database& db, const Request& request, const QList<int>& bouts,
                         BandedReport& report);

}  // namespace Scoresheets
