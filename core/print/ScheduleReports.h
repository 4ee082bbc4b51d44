#pragma once

#include "db/Database.h"
#include "db/Status.h"
#include "print/BandedReport.h"

#include <QList>

// The personal schedules handed to competitors and schools, built as banded reports.
namespace ScheduleReports {

// A school or fencer choice meaning "all of them".
constexpr int kAll = 999;

// `CompetitorSchedules`: for each chosen fencer, the group-mates he travels with and, round
// by round, his strip and opponents. `fencer` is kAll (every fencer of the chosen events,
// of `team` unless that is kAll) or event × 100 + fencer number (that fencer alone).
Status CompetitorSchedules(const Database& db, const QList<int>& events, int team, int fencer,
                           const QString& championshipYear, BandedReport& report);

// `TeamSchedules`: for each school with fencers in the chosen events (or `team` alone), event
// by event, where each of its fencers fences in each of the seven rounds.
Status TeamSchedules(const Database& db, const QList<int>& events, int team,
                     const QString& championshipYear, BandedReport& report);

}  // namespace ScheduleReports
