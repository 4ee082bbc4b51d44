#pragma once

#include "standings/FinalFourPicture.h"
#include "standings/RankedPlace.h"

#include <QString>
#include <vector>

// What a printed results run shows for one event: its progress, its Final Four and the
// ranked list of everybody else.
struct EventReport {
    QString ProgressText;
    FinalFourPicture Picture;
    std::vector<RankedPlace> Places;
};
