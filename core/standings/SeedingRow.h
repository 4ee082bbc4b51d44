#pragma once

#include <QString>

// One fencer as the Final Four seeding proposes him, best first.
struct SeedingRow {
    int FencerNumber = 0;
    QString LName;
    QString FName;
    QString Abbreviation;
    bool Excluded = false;
    int V = 0;
    double Pct = 0.0;
    int Ind = 0;
    int TS = 0;
    int TR = 0;
};
