#include "publish/LiveSiteData.h"

#include "db/Database.h"
#include "entry/BoutResults.h"
#include "entry/ScheduledBouts.h"
#include "entry/StripHeader.h"
#include "standings/BuildLiveStandings.h"
#include "standings/BuildLiveTeamStandings.h"
#include "standings/EventNames.h"

#include <set>

namespace {

Status readFencers(const Database& db, int event, std::map<int, SiteFencer>& fencers) {
    Statement q =
        db.prepare(QStringLiteral("SELECT R.FencerNumber, trim(ifnull(R.FName, '') || ' ' || "
                                  "ifnull(R.LName, '')), ifnull(T.MediumTeamName, ''), R.Excluded "
                                  "FROM Roster AS R INNER JOIN Teams AS T ON T.Team = R.Team "
                                  "WHERE R.Weapon = ?"),
                   {event});
    while (q.next()) {
        fencers[q.toInt(0)] = {q.toText(1), q.toText(2), q.toInt(3) != 0};
    }
    return q.status();
}

Status readBouts(const Database& db, int event, std::vector<SiteBout>& out) {
    const Result<std::vector<ScheduledBout>> scheduled = ScheduledBouts::ForEvent(db, event);
    if (!scheduled) {
        return scheduled.status();
    }
    const Result<std::vector<BoutEntry>> recorded = BoutResults::ReadAll(db, event);
    if (!recorded) {
        return recorded.status();
    }
    std::map<std::pair<int, int>, BoutScore> scores;
    for (const BoutEntry& bout : *recorded) {
        scores[{bout.fencer, bout.opponent}] = *bout.score;
        scores[{bout.opponent, bout.fencer}] = bout.score->swapped();
    }
    for (const ScheduledBout& bout : *scheduled) {
        SiteBout site{bout.round, bout.stripSet, bout.left,
                      bout.right, std::nullopt,  bout.excluded};
        if (const auto it = scores.find({bout.left, bout.right}); it != scores.end()) {
            site.score = it->second;
        }
        out.push_back(site);
    }
    return Status::success();
}

Status loadEvent(const Database& db, DownloadEvent event, SiteEvent& out) {
    out.event = std::move(event);
    const int code = out.event.Event;
    const Result<QStringList> strips = StripHeader::StripNames(db, code);
    if (!strips) {
        return strips.status();
    }
    out.stripNames = *strips;
    if (Status s = readFencers(db, code, out.fencers); !s) {
        return s;
    }
    if (Status s = readBouts(db, code, out.bouts); !s) {
        return s;
    }
    std::vector<BoutLeft> boutsLeft;
    for (const SiteBout& bout : out.bouts) {
        if (!bout.excluded && !bout.score) {
            boutsLeft.emplace_back(bout.left, bout.right);
        }
    }
    std::set<int> excluded;
    for (const auto& [number, fencer] : out.fencers) {
        if (fencer.excluded) {
            excluded.insert(number);
        }
    }
    out.reach = ComputeFinalFourReach(out.event.Standings.Rows, boutsLeft, excluded);
    return Status::success();
}

Status loadTeams(const Database& db, const EventNames& names, TeamVariant variant, SiteTeams& out) {
    out.variant = variant;
    out.name = names.teamsReportName(variant);
    if (Status s = BuildLiveTeamStandings(db, variant, out.standings); !s) {
        return s;
    }
    return BuildTitleRace(db, variant, out.standings, out.race);
}

}  // namespace

const TeamStandingsRow* SiteTeams::standingsOf(const QString& school) const {
    for (const TeamStandingsRow& row : standings) {
        if (row.School == school) {
            return &row;
        }
    }
    return nullptr;
}

QString SiteTeams::placeOf(const QString& school) const {
    const TeamStandingsRow* row = standingsOf(school);
    return row ? row->PlaceText : QString();
}

Status LoadLiveSiteData(const Database& db, const QString& championshipYear, const QDateTime& now,
                        LiveSiteData& out) {
    out = LiveSiteData();
    out.championshipYear = championshipYear;
    out.updated = now;
    EventNames names;
    if (Status s = names.load(db); !s) {
        return s;
    }
    for (int code = 0; code < kEventCount; ++code) {
        DownloadEvent event{code, names.name(code), names.abbreviation(code), {}};
        if (Status s = BuildLiveStandings(db, code, event.Standings); !s) {
            return s;
        }
        SiteEvent site;
        if (Status s = loadEvent(db, std::move(event), site); !s) {
            return s;
        }
        out.events.push_back(std::move(site));
    }
    for (int variant = 0; variant < kTeamVariants; ++variant) {
        SiteTeams& teams = out.teams[static_cast<size_t>(variant)];
        if (Status s = loadTeams(db, names, static_cast<TeamVariant>(variant), teams); !s) {
            return s;
        }
    }
    return Status::success();
}
