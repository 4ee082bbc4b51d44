#pragma once

#include "db/Status.h"

#include <QString>

class Database;
class FinalFourPicture;

// How far an event has come: "Standings During Round 3", "Standings After Round 4",
// "Final Pool Standings" or "NO DATA AVAILABLE", read from the decided bouts of each round.
Status ComputeRoundStatus(const Database& db, int event, QString& text);

// Once the Final Four is seeded, its progress replaces the pool's.
QString FinalFourRoundStatus(const QString& poolStatus, bool seeded, bool inProgress);
