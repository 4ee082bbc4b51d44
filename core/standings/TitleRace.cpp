#include "standings/TitleRace.h"

#include "db/Database.h"
#include "entry/ScheduledBouts.h"
#include "standings/BuildLiveTeamStandings.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

struct EventFencer {
    int team = 0;
    bool excluded = false;
};

// The schools with a fencer in the variant's events, named as the school standings name them.
Status readSchools(const Database& db, TeamVariant variant, std::map<int, TitleRaceRow>& schools) {
    Statement q = db.prepare(
        QStringLiteral("SELECT DISTINCT Teams.Team, Teams.FullTeamName FROM Roster INNER JOIN "
                       "Teams ON Roster.Team = Teams.Team WHERE Roster.Weapon BETWEEN ? AND ?"),
        {FirstEventOf(variant), LastEventOf(variant)});
    while (q.next()) {
        TitleRaceRow& row = schools[q.toInt(0)];
        row.team = q.toInt(0);
        row.school = q.toText(1);
    }
    return q.status();
}

Status readFencers(const Database& db, int event, std::map<int, EventFencer>& fencers) {
    Statement q = db.prepare(
        QStringLiteral("SELECT FencerNumber, Team, Excluded FROM Roster WHERE Weapon = ?"),
        {event});
    while (q.next()) {
        fencers[q.toInt(0)] = {q.toInt(1), q.toInt(2) != 0};
    }
    return q.status();
}

Status readRecordedPairs(const Database& db, int event, std::set<std::pair<int, int>>& pairs) {
    Statement q = db.prepare(
        QStringLiteral("SELECT FencerNumber, Opponent FROM Results WHERE Weapon = ?"), {event});
    while (q.next()) {
        pairs.insert(std::minmax(q.toInt(0), q.toInt(1)));
    }
    return q.status();
}

Status countBoutsLeft(const Database& db, int event, std::map<int, TitleRaceRow>& schools) {
    std::map<int, EventFencer> fencers;
    std::set<std::pair<int, int>> recorded;
    if (Status s = readFencers(db, event, fencers); !s) {
        return s;
    }
    if (Status s = readRecordedPairs(db, event, recorded); !s) {
        return s;
    }
    const Result<std::vector<ScheduledBout>> scheduled = ScheduledBouts::ForEvent(db, event);
    if (!scheduled) {
        return scheduled.status();
    }
    for (const ScheduledBout& bout : *scheduled) {
        if (bout.excluded || recorded.count(std::minmax(bout.left, bout.right)) > 0) {
            continue;
        }
        const std::set<int> teams = {fencers[bout.left].team, fencers[bout.right].team};
        for (int team : teams) {
            if (const auto it = schools.find(team); it != schools.end()) {
                ++it->second.left;
            }
        }
    }
    return Status::success();
}

void readPoints(const std::vector<TeamStandingsRow>& standings,
                std::map<int, TitleRaceRow>& schools) {
    std::map<QString, int> points;
    for (const TeamStandingsRow& row : standings) {
        points[row.School] = row.Total;
    }
    for (auto& [team, row] : schools) {
        row.points = points.count(row.school) > 0 ? points[row.school] : 0;
    }
}

}  // namespace

Status BuildTitleRace(const Database& db, TeamVariant variant, std::vector<TitleRaceRow>& out) {
    std::vector<TeamStandingsRow> standings;
    if (Status s = BuildLiveTeamStandings(db, variant, standings); !s) {
        return s;
    }
    return BuildTitleRace(db, variant, standings, out);
}

Status BuildTitleRace(const Database& db, TeamVariant variant,
                      const std::vector<TeamStandingsRow>& standings,
                      std::vector<TitleRaceRow>& out) {
    out.clear();
    std::map<int, TitleRaceRow> schools;
    if (Status s = readSchools(db, variant, schools); !s) {
        return s;
    }
    readPoints(standings, schools);
    for (int event = FirstEventOf(variant); event <= LastEventOf(variant); ++event) {
        if (Status s = countBoutsLeft(db, event, schools); !s) {
            return s;
        }
    }
    int leader = 0;
    for (auto& [team, row] : schools) {
        leader = std::max(leader, row.points);
        out.push_back(std::move(row));
    }
    for (TitleRaceRow& row : out) {
        row.contender = row.max() >= leader;
    }
    std::stable_sort(out.begin(), out.end(), [](const TitleRaceRow& a, const TitleRaceRow& b) {
        if (a.points != b.points) {
            return a.points > b.points;
        }
        return a.school.compare(b.school, Qt::CaseInsensitive) < 0;
    });
    return Status::success();
}
