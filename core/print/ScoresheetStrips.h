#pragma once

#include "db/Database.h"
#include "db/Result.h"

#include <QList>
#include <QString>

// One strip a scoresheet can be printed for: its strip set and its name.
struct ScoresheetStrip {
    int stripSet = 0;
    QString name;
};

// The strips of an event in the order the staff call them: by the number in their names,
// then by name.
Result<QList<ScoresheetStrip>> ScoresheetStrips(const Database& db, int weapon);
