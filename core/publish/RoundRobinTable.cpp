#include "publish/RoundRobinTable.h"

#include "db/Database.h"
#include "entry/ScoreRules.h"

namespace {

// A fencer still waiting for the draw has no position in the table.
int positionOf(int group, int subgroup) {
    if (group < 0 || group > 7 || subgroup < 0 || subgroup > 2) {
        return -1;
    }
    return group * 3 + subgroup;
}

struct Sums {
    int v = 0;
    int ts = 0;
    int tr = 0;
    bool listed = false;
    bool excluded = false;
};

}  // namespace

Status RoundRobinTable::Build(const Database& db, int event, const PlaceOf& placeOf,
                              RoundRobinTable& out) {
    out = RoundRobinTable();
    std::array<Sums, kPositions> sums{};
    Statement fencers = db.prepare(
        QStringLiteral("SELECT Roster.FencerNumber, trim(trim(ifnull(Roster.FName,'')) || ' ' || "
                       "trim(ifnull(Roster.LName,''))), Teams.MediumTeamName, Roster.\"Group\", "
                       "Roster.Subgroup, Roster.Excluded, trim(ifnull(Roster.FName,'')) "
                       "FROM Teams INNER JOIN Roster "
                       "ON Teams.Team = Roster.Team WHERE Roster.Weapon = ? "
                       "ORDER BY Roster.\"Group\", Roster.Subgroup"),
        {event});
    while (fencers.next()) {
        const int position = positionOf(fencers.toInt(3), fencers.toInt(4));
        if (position < 0) {
            continue;
        }
        Line& line = out.m_lines[static_cast<size_t>(position)];
        const int fencer = fencers.toInt(0);
        line.Name = fencers.toText(1);
        line.GivenName = fencers.toText(6);
        line.FencerNumber = QString::number(fencer);
        line.School = fencers.toText(2);
        Sums& own = sums[static_cast<size_t>(position)];
        own.listed = true;
        own.excluded = fencers.toInt(5) != 0;
        if (own.excluded) {
            line.Place = QStringLiteral("exc");
            continue;
        }
        if (fencer >= 0 && fencer < static_cast<int>(placeOf.size())) {
            line.Place = QString::number(placeOf[static_cast<size_t>(fencer)]);
        }
    }
    if (!fencers.ok()) {
        return Status::failure(fencers.errorString());
    }

    // Each fencer's own rows: the cell in the opponent's column, and the opponent's touches
    // received. Bouts against an excluded fencer count for nobody.
    Statement bouts = db.prepare(
        QStringLiteral("SELECT Me.\"Group\", Me.Subgroup, Opp.\"Group\", Opp.Subgroup, "
                       "Results.Victory, Results.Touches FROM Results "
                       "INNER JOIN Roster AS Me ON Me.Weapon = Results.Weapon "
                       "AND Me.FencerNumber = Results.FencerNumber "
                       "INNER JOIN Roster AS Opp ON Opp.Weapon = Results.Weapon "
                       "AND Opp.FencerNumber = Results.Opponent "
                       "WHERE Results.Weapon = ? AND Me.Excluded = 0 AND Opp.Excluded = 0"),
        {event});
    while (bouts.next()) {
        const int mine = positionOf(bouts.toInt(0), bouts.toInt(1));
        const int theirs = positionOf(bouts.toInt(2), bouts.toInt(3));
        if (mine < 0) {
            continue;
        }
        const bool victory = bouts.toInt(4) != 0;
        const int touches = bouts.toInt(5);
        sums[static_cast<size_t>(mine)].v += victory ? 1 : 0;
        sums[static_cast<size_t>(mine)].ts += touches;
        // An undrawn opponent has no column, but the bout still counts for the fencer.
        if (theirs >= 0) {
            out.m_lines[static_cast<size_t>(mine)].Bouts[static_cast<size_t>(theirs)] =
                (victory ? QStringLiteral("V") : QString()) + QString::number(touches);
            sums[static_cast<size_t>(theirs)].tr += touches;
        }
    }
    if (!bouts.ok()) {
        return Status::failure(bouts.errorString());
    }
    for (size_t p = 0; p < sums.size(); ++p) {
        const Sums& s = sums[p];
        if (!s.listed || s.excluded) {
            continue;
        }
        Line& line = out.m_lines[p];
        line.V = QString::number(s.v);
        line.TS = QString::number(s.ts);
        line.TR = QString::number(s.tr);
        line.Ind = ScoreRules::IndicatorText(s.ts - s.tr);
    }
    return Status::success();
}

QString RoundRobinTable::Title(const QString& progressText) {
    QString title = progressText;
    return title.replace(QStringLiteral("Standings"), QStringLiteral("Table and Standings"));
}
