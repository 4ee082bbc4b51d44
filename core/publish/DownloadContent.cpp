#include "publish/DownloadContent.h"

#include "standings/BuildLiveStandings.h"
#include "standings/BuildLiveTeamStandings.h"
#include "standings/EventNames.h"

Status LoadDownloadContent(const Database& db, const QString& championshipYear,
                           DownloadContent& out) {
    out = DownloadContent();
    out.ChampionshipYear = championshipYear;
    EventNames names;
    if (Status loaded = names.load(db); !loaded) {
        return loaded;
    }
    for (int event = 0; event < 6; ++event) {
        DownloadEvent& section = out.Events[static_cast<size_t>(event)];
        section.Event = event;
        section.Name = names.name(event);
        section.Abbreviation = names.abbreviation(event);
        if (Status built = BuildLiveStandings(db, event, section.Standings); !built) {
            return built;
        }
    }
    out.SchoolsName = names.teamsReportName(TeamVariant::AllEvents);
    return BuildLiveTeamStandings(db, TeamVariant::AllEvents, out.Schools);
}
