#pragma once

#include "db/Status.h"
#include "entry/BoutScore.h"
#include "publish/DownloadContent.h"
#include "standings/EventCodes.h"
#include "standings/FinalFourReach.h"
#include "standings/TeamStandingsRow.h"
#include "standings/TeamVariant.h"
#include "standings/TitleRace.h"

#include <QDateTime>
#include <QStringList>
#include <array>
#include <map>
#include <optional>
#include <vector>

class Database;

inline constexpr int kTeamVariants = 3;

// A drawn fencer as the live pages name him.
struct SiteFencer {
    QString name;
    QString school;
    bool excluded = false;
};

// A scheduled bout of an event with its result seen from the left fencer, if fenced.
struct SiteBout {
    int round = 0;
    int stripSet = 0;
    int left = -1;
    int right = -1;
    std::optional<BoutScore> score;
    bool excluded = false;  // either fencer is excluded
};

// One event on the live site: standings, strips, every bout and who can still reach the
// Final Four.
struct SiteEvent {
    DownloadEvent event;
    QStringList stripNames;
    std::map<int, SiteFencer> fencers;
    std::vector<SiteBout> bouts;
    std::map<int, FinalFourReach> reach;

    // The event's fixed code ("MS".."WE") and, in lower case, the name of its page.
    QString code() const { return EventCode(event.Event); }
    QString pageStem() const { return code().toLower(); }
};

// The school standings of one variant with the race for its title.
struct SiteTeams {
    TeamVariant variant = TeamVariant::AllEvents;
    QString name;
    std::vector<TeamStandingsRow> standings;
    std::vector<TitleRaceRow> race;

    // The school's place in the standings, empty while it has no result.
    QString placeOf(const QString& school) const;
    const TeamStandingsRow* standingsOf(const QString& school) const;
};

// Everything the live results pages and results.json show, read in one go.
struct LiveSiteData {
    QString championshipYear;
    QDateTime updated;
    std::vector<SiteEvent> events;
    std::array<SiteTeams, kTeamVariants> teams;
};

Status LoadLiveSiteData(const Database& db, const QString& championshipYear, const QDateTime& now,
                        LiveSiteData& out);
