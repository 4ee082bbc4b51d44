#include "publish/LiveScreenPage.h"

#include "publish/HtmlEscape.h"
#include "publish/LiveBracket.h"
#include "publish/LiveEventPage.h"
#include "publish/LiveHtml.h"
#include "publish/LivePage.h"
#include "publish/LiveSchoolsPage.h"
#include "publish/LiveSiteData.h"

using namespace LiveHtml;

namespace {

QString slide(const QString& title, const QString& html) {
    return QStringLiteral("<section class=\"slide\">\n") +
           Element(QStringLiteral("h2"), HtmlText(title)) + html + QStringLiteral("</section>\n");
}

}  // namespace

QString ScreenPage(const LiveSiteData& data) {
    QString body;
    for (const SiteEvent& event : data.events) {
        body += slide(event.event.Name,
                      Element(QStringLiteral("p"), HtmlText(event.event.Standings.RoundStatusText),
                              QStringLiteral("progress")) +
                          EventStandingsTable(event, true) + LiveBracket(event));
    }
    const SiteTeams& all = data.teams[static_cast<size_t>(TeamVariant::AllEvents)];
    body += slide(all.name, SchoolStandingsTable(data, all));
    return LivePage(data, QStringLiteral("Live Results"), QStringLiteral("screen"), body,
                    PageScript::Cycle);
}
