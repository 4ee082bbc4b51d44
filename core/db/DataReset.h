#pragma once

#include "db/Status.h"

class Database;

// Starts a championship over: wipes every bout result and the Final Four, clears the
// fencers' flags and, when asked, the rosters; schools, strips and groups stay.
namespace DataReset {

// All in one transaction: on a failure nothing is wiped.
Status InitializeResults(const Database& db, bool eraseRosters);

}  // namespace DataReset
