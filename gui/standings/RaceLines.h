#pragma once

#include "standings/FinalFourReach.h"
#include "standings/LiveStandings.h"
#include "standings/RacePanel.h"
#include "standings/TitleRace.h"

#include <map>
#include <vector>

// The race panels' lines: each school's title chances, each fencer's Final Four chances.
std::vector<RacePanel::Line> TitleRaceLines(const std::vector<TitleRaceRow>& race);
std::vector<RacePanel::Line> FinalFourRaceLines(const LiveStandings& standings,
                                                const std::map<int, FinalFourReach>& reach);
