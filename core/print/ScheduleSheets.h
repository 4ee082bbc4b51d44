#pragma once

#include "db/Database.h"
#include "db/Status.h"
#include "print/ChampionshipDay.h"
#include "print/GridSheet.h"
#include "print/SheetEvent.h"

#include <functional>

// The sheets the staff post and hand out before the rounds, one event at a time. Each
// builder fills `sheet` afresh; on a database error it returns the failure.
namespace ScheduleSheets {

// Any of the sheets below, with its day already chosen where it has one.
using Builder = std::function<Status(const Database&, const SheetEvent&, GridSheet&)>;

// "Group Assignments": the eight groups with their three fencers each.
Status Groups(const Database& db, const SheetEvent& event, GridSheet& sheet);
// "Schedule": for each round, which two groups meet on which strip.
Status Schedule(const Database& db, const SheetEvent& event, GridSheet& sheet);
// "Strip Assignments", read out by the announcer: each strip of the day's rounds with the
// schools and names of the fencers who will fence there.
Status StripAssignments(const Database& db, const SheetEvent& event, ChampionshipDay day,
                        GridSheet& sheet);
// "Strip and Referee Assignments": a column pair per strip with every fencer sent there and
// a line per strip for the referee's name after each round. Landscape, fitted to the page.
Status RefereeAssignments(const Database& db, const SheetEvent& event, ChampionshipDay day,
                          GridSheet& sheet);

// A day's sheet as a Builder, so day sheets sit in one list with the others.
Builder OnDay(Status (*build)(const Database&, const SheetEvent&, ChampionshipDay, GridSheet&),
              ChampionshipDay day);

}  // namespace ScheduleSheets
