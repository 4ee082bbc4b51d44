#pragma once

#include "entry/ScoreRules.h"

#include <QString>

// One fencer's line of the live standings, as the results window lists it.
struct LiveStandingsRow {
    QString PlaceText;
    QString Name;
    QString School;
    int V = 0;
    int Bouts = 0;
    // Victories over bouts, unrounded.
    double Pct = 0.0;
    int TS = 0;
    int TR = 0;
    int Ind = 0;
    int FencerNumber = 0;
    int GridRow = 0;
    bool Advanced = false;
    // The web name: the roster's, or the plain name when it has none.
    QString HTMLName;

    QString VOverBouts() const {
        return QString::number(V) + QLatin1Char('/') + QString::number(Bouts);
    }
    // "+0" for an even record, "-3" for a negative one.
    QString IndText() const { return ScoreRules::IndicatorText(Ind); }
};
