#include "publish/LiveEventPage.h"

#include "publish/HtmlEscape.h"
#include "publish/LiveBracket.h"
#include "publish/LiveFencerBouts.h"
#include "publish/LiveHtml.h"
#include "publish/LivePage.h"
#include "publish/LiveRounds.h"
#include "publish/LiveSiteData.h"

using namespace LiveHtml;

namespace {

// "Advanced" once the four are seeded; before, whether the fencer can still get there.
Cell finalFourCell(const SiteEvent& event, const LiveStandingsRow& row) {
    if (event.event.Standings.Picture.FinalFourSeeded()) {
        return row.Advanced ? Text(QStringLiteral("advanced"), QStringLiteral("yes wide"))
                            : Text(QString(), QStringLiteral("wide"));
    }
    const auto it = event.reach.find(row.FencerNumber);
    const bool canReach = it != event.reach.end() && it->second.canReach;
    return canReach ? Text(QStringLiteral("in reach"), QStringLiteral("yes wide"))
                    : Text(QString(), QStringLiteral("wide"));
}

Cell nameCell(const LiveStandingsRow& row, bool compact) {
    if (compact) {
        return Text(row.Name);
    }
    return {QStringLiteral("<a href=\"#f%1\">%2</a>").arg(row.FencerNumber).arg(HtmlText(row.Name)),
            QString()};
}

Row standingsRow(const SiteEvent& event, const LiveStandingsRow& row, bool compact) {
    Row cells = {Text(row.PlaceText), nameCell(row, compact), Text(row.School),
                 Text(row.VOverBouts(), QStringLiteral("n"))};
    if (!compact) {
        cells.append({Text(QString::number(row.Pct, 'f', 3), QStringLiteral("n wide")),
                      {QString::number(row.TS), QStringLiteral("n wide")},
                      {QString::number(row.TR), QStringLiteral("n wide")}});
    }
    cells.append(Text(row.IndText(), QStringLiteral("n")));
    if (!compact) {
        cells.append(finalFourCell(event, row));
    }
    return cells;
}

Row standingsHeader(bool compact) {
    Row header = {Text(QStringLiteral("Place")), Text(QStringLiteral("Name")),
                  Text(QStringLiteral("School")), Text(QStringLiteral("V/B"), QStringLiteral("n"))};
    if (!compact) {
        header.append({Text(QStringLiteral("Pct"), QStringLiteral("n wide")),
                       Text(QStringLiteral("TS"), QStringLiteral("n wide")),
                       Text(QStringLiteral("TR"), QStringLiteral("n wide"))});
    }
    header.append(Text(QStringLiteral("Ind"), QStringLiteral("n")));
    if (!compact) {
        header.append(Text(QStringLiteral("Final Four"), QStringLiteral("wide")));
    }
    return header;
}

}  // namespace

QString EventStandingsTable(const SiteEvent& event, bool compact) {
    QList<Row> rows;
    for (const LiveStandingsRow& row : event.event.Standings.Rows) {
        rows.append(standingsRow(event, row, compact));
    }
    return Table(standingsHeader(compact), rows);
}

QString EventPage(const LiveSiteData& data, const SiteEvent& event) {
    const QString body =
        Element(QStringLiteral("p"), HtmlText(event.event.Standings.RoundStatusText),
                QStringLiteral("progress")) +
        Element(QStringLiteral("h2"), QStringLiteral("Standings")) +
        EventStandingsTable(event, false) + LiveBracket(event) +
        Element(QStringLiteral("h2"), QStringLiteral("Bouts by round and strip")) +
        LiveRounds(event) + Element(QStringLiteral("h2"), QStringLiteral("Each fencer's bouts")) +
        LiveFencerBouts(event);
    return LivePage(data, event.event.Name, event.pageStem(), body, PageScript::Reload);
}
