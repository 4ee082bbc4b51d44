#pragma once

#include "db/Status.h"
#include "standings/LiveStandings.h"
#include "standings/TeamStandingsRow.h"

#include <QString>
#include <array>
#include <vector>

class Database;

// One event as the download files publish it: its names and its live standings.
struct DownloadEvent {
    int Event = 0;
    QString Name;
    QString Abbreviation;
    LiveStandings Standings;
};

// Everything a results download writes: the six events in order, then the school standings
// over all events.
struct DownloadContent {
    QString ChampionshipYear;
    std::array<DownloadEvent, 6> Events;
    QString SchoolsName;
    std::vector<TeamStandingsRow> Schools;
};

// Computes the standings of the whole championship afresh, as the results window shows them.
Status LoadDownloadContent(const Database& db, const QString& championshipYear,
                           DownloadContent& out);
