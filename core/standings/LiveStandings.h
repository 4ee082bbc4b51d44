#pragma once

#include "standings/FinalFourPicture.h"
#include "standings/LiveStandingsRow.h"
#include "standings/PlaceOf.h"

#include <QString>
#include <vector>

// The standings of one event computed afresh from the bout records, with its progress text
// and, once fencers have advanced, the Final Four.
struct LiveStandings {
    std::vector<LiveStandingsRow> Rows;
    QString RoundStatusText;
    // Empty until a listed fencer has advanced to the Final Four.
    QString FinalFourSummary;
    FinalFourPicture Picture;
    PlaceOf Places{};
};
