#include "publish/LiveSchoolsPage.h"

#include "publish/LiveHtml.h"
#include "publish/LivePage.h"
#include "publish/LiveSiteData.h"

using namespace LiveHtml;

namespace {

Row header(const LiveSiteData& data, const SiteTeams& teams) {
    Row row = {Text(QStringLiteral("Place")), Text(QStringLiteral("School"))};
    for (int event = FirstEventOf(teams.variant); event <= LastEventOf(teams.variant); ++event) {
        row.append(Text(data.events[static_cast<size_t>(event)].event.Abbreviation,
                        QStringLiteral("n wide")));
    }
    row.append({Text(QStringLiteral("Points"), QStringLiteral("n")),
                Text(QStringLiteral("Left"), QStringLiteral("n")),
                Text(QStringLiteral("Max"), QStringLiteral("n")), Text(QStringLiteral("Title"))});
    return row;
}

Row schoolRow(const SiteTeams& teams, const TitleRaceRow& school) {
    Row row = {Text(teams.placeOf(school.school)), Text(school.school)};
    const TeamStandingsRow* standing = teams.standingsOf(school.school);
    for (int event = FirstEventOf(teams.variant); event <= LastEventOf(teams.variant); ++event) {
        const std::optional<int> won =
            standing ? standing->Events[static_cast<size_t>(event)] : std::nullopt;
        row.append(won ? Cell{QString::number(*won), QStringLiteral("n wide")}
                       : Cell{QString(), QStringLiteral("n wide")});
    }
    row.append({Number(school.points), Number(school.left), Number(school.max()),
                school.contender ? Text(QStringLiteral("can win"), QStringLiteral("yes"))
                                 : Text(QString())});
    return row;
}

QString eventList(const LiveSiteData& data) {
    QString items;
    for (const SiteEvent& event : data.events) {
        items += Element(
            QStringLiteral("li"),
            Link(event.pageStem() + QStringLiteral(".html"), event.event.Name) +
                QStringLiteral(": ") +
                Element(QStringLiteral("span"), Text(event.event.Standings.RoundStatusText).html,
                        QStringLiteral("progress")));
    }
    return Element(QStringLiteral("ul"), items);
}

}  // namespace

QString SchoolStandingsTable(const LiveSiteData& data, const SiteTeams& teams) {
    QList<Row> rows;
    for (const TitleRaceRow& school : teams.race) {
        rows.append(schoolRow(teams, school));
    }
    return Table(header(data, teams), rows);
}

QString SchoolsPage(const LiveSiteData& data) {
    QString body = Element(QStringLiteral("h2"), QStringLiteral("Events")) + eventList(data);
    for (const SiteTeams& teams : data.teams) {
        body += Element(QStringLiteral("h2"), Text(teams.name).html) +
                SchoolStandingsTable(data, teams);
    }
    body += Element(QStringLiteral("p"),
                    QStringLiteral("Left: bouts still to fence in which the school can score. "
                                   "Max: the most points it can still reach. A school that can "
                                   "still reach the leader's points can win the title."));
    return LivePage(data, QStringLiteral("School Standings"), QStringLiteral("index"), body,
                    PageScript::Reload);
}
