#pragma once

#include "db/Status.h"
#include "standings/TeamStandingsRow.h"
#include "standings/TeamVariant.h"

#include <QString>
#include <vector>

class Database;

// One school in the race for the team title: what it has, what it can still win.
struct TitleRaceRow {
    int team = 0;
    QString school;
    // Bouts won so far, as the school standings count them.
    int points = 0;
    // Scheduled bouts not yet recorded in which one of its fencers can still score.
    int left = 0;
    // The most points it can still reach.
    int max() const { return points + left; }
    // It can still win the title: its most reachable points reach the leader's points.
    bool contender = false;
};

// Every school with a fencer in the variant's events, the leader first: points, then name.
// A bout between two of a school's fencers scores it one point, so it counts once; a bout
// with an excluded fencer never scores and is not left; the Final Four scores no points.
Status BuildTitleRace(const Database& db, TeamVariant variant, std::vector<TitleRaceRow>& out);
// The same from the variant's school standings, already built by the caller.
Status BuildTitleRace(const Database& db, TeamVariant variant,
                      const std::vector<TeamStandingsRow>& standings,
                      std::vector<TitleRaceRow>& out);
