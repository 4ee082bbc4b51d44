#include "standings/RaceLines.h"

namespace {

QString yesNo(bool yes) {
    return yes ? QStringLiteral("Yes") : QStringLiteral("No");
}

}  // namespace

std::vector<RacePanel::Line> TitleRaceLines(const std::vector<TitleRaceRow>& race) {
    std::vector<RacePanel::Line> lines;
    for (const TitleRaceRow& row : race) {
        lines.push_back({{row.school, QString::number(row.points), QString::number(row.left),
                          QString::number(row.max()), yesNo(row.contender)},
                         !row.contender});
    }
    return lines;
}

// Once the four are seeded the race is over: those who advanced are in it.
std::vector<RacePanel::Line> FinalFourRaceLines(const LiveStandings& standings,
                                                const std::map<int, FinalFourReach>& reach) {
    const bool seeded = standings.Picture.FinalFourSeeded();
    std::vector<RacePanel::Line> lines;
    for (const LiveStandingsRow& row : standings.Rows) {
        const auto it = reach.find(row.FencerNumber);
        const int most = it != reach.end() ? it->second.mostVictories : row.V;
        const bool in = seeded ? row.Advanced : it != reach.end() && it->second.canReach;
        lines.push_back(
            {{row.Name, QString::number(row.V), QString::number(most), yesNo(in)}, !in});
    }
    return lines;
}
