#pragma once

#include "db/Result.h"

#include <QString>
#include <QStringList>

class Database;

// The names an entry window shows around a strip: events, strips and the matchup.
class StripHeader final {
public:
    // The names of events 0..5, for the Weapon menu.
    static Result<QStringList> EventNames(const Database& db);
    // The strip names of strip sets 0..3 of an event.
    static Result<QStringList> StripNames(const Database& db, int weapon);
    // "Group A vs. Group B" for the strip's two groups, or empty when none is scheduled.
    static Result<QString> Matchup(const Database& db, int round, int stripSet);
};
