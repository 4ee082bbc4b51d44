#pragma once

#include <QString>

// One line of an event's printed results list, read from the ranked work table.
struct RankedPlace {
    int Place = 0;
    int FencerNumber = 0;
    QString Name;
    QString MediumTeamName;
    int V = 0;
    // The percentage with three decimals, "0.667".
    QString PctV;
    // The indicator with its sign, "+0" or "-3".
    QString Indic;
    int TS = 0;
    int TR = 0;
    // The fencer's given name, printed as initials when the whole name does not fit.
    QString GivenName;
};
