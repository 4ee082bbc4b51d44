#pragma once

#include "db/Status.h"
#include "standings/FinalFourPicture.h"
#include "standings/PlaceOf.h"

class Database;

// Builds the bracket of one event from its FinalFour rows and, when `placeOf` is given,
// records the places 1 to 4 of the medal bouts' fencers in it.
Status LoadFinalFourPicture(const Database& db, int event, FinalFourPicture& picture,
                            PlaceOf* placeOf = nullptr);
