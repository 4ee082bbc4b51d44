#pragma once

#include "db/Result.h"

#include <QList>
#include <QString>
#include <QStringList>

class Database;

// A snapshot of the championship as each round of an event is completed, so the staff can go
// back to the end of any round; one per event and round.
namespace RoundSnapshots {

// The reason a completed round's snapshot carries: "round_ms_3" for the third round
// (stored 2) of the event abbreviated MS.
QString Reason(const QString& eventAbbreviation, int round);

// Whether every bout of the round that is still to be fenced (not an excluded fencer's) is
// decided, read as the missing results finder reads it.
Result<bool> IsComplete(const Database& db, int weapon, int round);

// Takes a snapshot of each of `rounds` (0..6) of the event that is complete and has none
// since the last data reset or restore; returns the paths of those taken.
Result<QStringList> Take(const Database& db, int weapon, const QList<int>& rounds);

}  // namespace RoundSnapshots
