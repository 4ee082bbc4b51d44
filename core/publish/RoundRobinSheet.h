#pragma once

#include "db/Status.h"
#include "print/GridSheet.h"
#include "print/SheetEvent.h"
#include "standings/PlaceOf.h"

#include <QString>

class Database;

// The printed round-robin table of one event ("Table and Standings"): a landscape sheet with
// a line per position, the bouts against every other position, the sums and the places.
namespace RoundRobinSheet {

inline constexpr int kFirstBoutColumn = 5;
inline constexpr int kVColumn = 30;
inline constexpr int kPlaceColumn = 34;

// `progressText` is the progress of the print run; `placeOf` its places.
Status Build(const Database& db, const SheetEvent& event, const QString& progressText,
             const PlaceOf& placeOf, int copies, GridSheet& sheet);

}  // namespace RoundRobinSheet
