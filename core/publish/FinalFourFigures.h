#pragma once

#include "db/Status.h"

#include <QString>
#include <optional>

class Database;

// One Final Four fencer's figures from the rounds, counted as the printed list counts them.
struct FinalFourFigures {
    bool ExcludedButCount = false;
    QString Name;
    QString School;
    int V = 0;
    QString Pct;
    int TS = 0;
    int TR = 0;
    QString Ind;

    // Nothing when the fencer has no counted bout.
    static std::optional<FinalFourFigures> Load(const Database& db, int event, int fencer,
                                                Status* status);
};
