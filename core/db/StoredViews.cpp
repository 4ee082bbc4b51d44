#include "db/StoredViews.h"

namespace {

// Each dual laid out as three sub-rounds of six lines: lines 0..2 are the left fencers
// of bouts 0..2, lines 3..5 their opponents.
const char* const kSchedule =
    "SELECT Suborder.Subround, Suborder.Bout, Suborder.Subgroup1 AS Subgroup FROM Suborder "
    "UNION SELECT Suborder.Subround, Suborder.Bout+3, Suborder.Subgroup2 FROM Suborder";

// Competition ranking: equal RankOrder share a place and the next place is skipped.
const char* const kResultsRanked =
    "SELECT ResultsScratchpad.Weapon, ResultsScratchpad.FencerNumber, ResultsScratchpad.Name, "
    "ResultsScratchpad.MediumTeamName, ResultsScratchpad.V, ResultsScratchpad.Pct, "
    "ResultsScratchpad.Ind AS IND, ResultsScratchpad.TS, ResultsScratchpad.TR, "
    "ResultsScratchpad.RankOrder, "
    "(SELECT COUNT(RR1.FencerNumber)+1 FROM ResultsScratchpad RR1 "
    "WHERE ResultsScratchpad.Weapon=RR1.Weapon AND ResultsScratchpad.RankOrder < RR1.RankOrder) "
    "AS Rank FROM ResultsScratchpad "
    "ORDER BY ResultsScratchpad.Weapon, ResultsScratchpad.RankOrder DESC";

const char* const kRosterReport =
    "SELECT Teams.FullTeamName, Roster.LName, Roster.FName, "
    "(SELECT COUNT(RO1.Team) FROM Roster RO1 WHERE RO1.Team=Roster.Team) AS NumberEntries, "
    "trim(trim(ifnull(Roster.FName,'')) || ' ' || trim(ifnull(Roster.LName,''))) AS FencerName "
    "FROM Teams INNER JOIN Roster ON Teams.Team = Roster.Team "
    "ORDER BY Teams.FullTeamName, Roster.LName, Roster.FName";

// A group's pool row and pair row of round 0 carry the same strip set; DISTINCT merges them.
const char* const kLocator =
    "SELECT DISTINCT Roster.Weapon, Roster.FencerNumber, "
    "'Round #' || (Schedule.Round+1) AS RoundName, "
    "'Strip ' || ifnull(StripNumbers.StripName,'') AS StripName "
    "FROM Schedule INNER JOIN (Roster INNER JOIN StripNumbers "
    "ON Roster.Weapon = StripNumbers.Weapon) ON Schedule.Stripset = StripNumbers.StripSet "
    "WHERE Roster.\"Group\"=Schedule.Group1 OR Roster.\"Group\"=Schedule.Group2 "
    "ORDER BY Roster.Weapon, Roster.FencerNumber, 'Round #' || (Schedule.Round+1)";

// A bout counts when both of its rows exist and neither fencer is excluded or injured.
const char* const kTeamPoints =
    "SELECT Weapons.Abbreviation, Teams.FullTeamName, -Sum(Results.Victory) AS V "
    "FROM Teams INNER JOIN ((Roster INNER JOIN Weapons ON Roster.Weapon = Weapons.Weapon) "
    "INNER JOIN ((Results INNER JOIN Results AS RE1 ON (Results.Opponent = RE1.FencerNumber) "
    "AND (Results.FencerNumber = RE1.Opponent) AND (Results.Weapon = RE1.Weapon)) "
    "INNER JOIN Roster AS RO1 ON (RE1.FencerNumber = RO1.FencerNumber) "
    "AND (RE1.Weapon = RO1.Weapon)) "
    "ON (Roster.FencerNumber = Results.FencerNumber) AND (Roster.Weapon = Results.Weapon)) "
    "ON Teams.Team = Roster.Team "
    "WHERE Roster.Excluded=0 AND RO1.Excluded=0 AND Roster.Injury=0 AND RO1.Injury=0 "
    "GROUP BY Weapons.Abbreviation, Teams.FullTeamName";

QString locatorCrosstab() {
    QString sql = QStringLiteral("SELECT vLocator.Weapon, vLocator.FencerNumber");
    for (int round = 1; round <= 7; ++round) {
        sql += QStringLiteral(
                   ", max(CASE WHEN vLocator.RoundName='Round #%1' "
                   "THEN vLocator.StripName END) AS \"Round #%1\"")
                   .arg(round);
    }
    return sql + QStringLiteral(" FROM vLocator GROUP BY vLocator.Weapon, vLocator.FencerNumber");
}

// Starting from every individual event keeps a column per event; an event without points
// adds the row whose school is null, which readers skip.
QString teamPointsCrosstab() {
    QString sql = QStringLiteral("SELECT vTeamPoints.FullTeamName");
    for (const char* event : {"ME", "MF", "MS", "WE", "WF", "WS"}) {
        sql += QStringLiteral(
                   ", Sum(CASE WHEN Weapons.Abbreviation='%1' THEN vTeamPoints.V END) "
                   "AS %1")
                   .arg(QLatin1String(event));
    }
    return sql + QStringLiteral(
                     " FROM Weapons LEFT JOIN vTeamPoints "
                     "ON vTeamPoints.Abbreviation = Weapons.Abbreviation "
                     "WHERE Weapons.Weapon<10 GROUP BY vTeamPoints.FullTeamName");
}

std::vector<StoredView> buildViews() {
    return {
        {"vSchedule", QString::fromLatin1(kSchedule)},
        {"ResultsRanked", QString::fromLatin1(kResultsRanked)},
        {"vRosterReport", QString::fromLatin1(kRosterReport)},
        {"vLocator", QString::fromLatin1(kLocator)},
        {"vLocatorCT", locatorCrosstab()},
        {"vTeamPoints", QString::fromLatin1(kTeamPoints)},
        {"vTeamPointsCT", teamPointsCrosstab()},
    };
}

}  // namespace

const std::vector<StoredView>& ChampionshipViews() {
    static const std::vector<StoredView> views = buildViews();
    return views;
}
