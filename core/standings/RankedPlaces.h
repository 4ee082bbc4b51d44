#pragma once

#include "db/Status.h"
#include "standings/PlaceOf.h"
#include "standings/RankedPlace.h"

#include <vector>

class Database;
class FinalFourPicture;

// The ranked places of one event from the work table filled by RankScratchpad. Once the
// Final Four is seeded its fencers leave the list and everybody else is placed from 5.
// Records every listed fencer's place in `placeOf`.
Status RankedPlaces(const Database& db, int event, const FinalFourPicture& picture,
                    std::vector<RankedPlace>& out, PlaceOf& placeOf);
