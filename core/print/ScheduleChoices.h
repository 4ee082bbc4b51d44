#pragma once

#include "db/Database.h"
#include "db/Result.h"

#include <QList>
#include <QString>

// The entries of the school and fencer lists from which competitor and team schedules are
// chosen; each starts with its "all" entry.
namespace ScheduleChoices {

struct Choice {
    QString text;
    int id = 0;
};

// "ALL TEAMS..." then every school with fencers in the events.
Result<QList<Choice>> Schools(const Database& db, const QList<int>& events);
// "ALL FENCERS..." then the school's fencers in the events, "Last, First", identified by
// event × 100 + fencer number.
Result<QList<Choice>> Fencers(const Database& db, const QList<int>& events, int team);

}  // namespace ScheduleChoices
