#include "publish/LiveSite.h"

#include "db/ChampionshipYear.h"
#include "db/Database.h"
#include "publish/LiveEventPage.h"
#include "publish/LiveSchoolsPage.h"
#include "publish/LiveScreenPage.h"
#include "publish/LiveSiteData.h"
#include "publish/LiveSiteJson.h"

std::vector<SiteFile> LiveSiteFiles(const LiveSiteData& data) {
    std::vector<SiteFile> files;
    files.push_back({QStringLiteral("index.html"), SchoolsPage(data).toUtf8()});
    for (const SiteEvent& event : data.events) {
        files.push_back(
            {event.pageStem() + QStringLiteral(".html"), EventPage(data, event).toUtf8()});
    }
    files.push_back({QStringLiteral("screen.html"), ScreenPage(data).toUtf8()});
    files.push_back({QStringLiteral("results.json"), LiveSiteJson(data)});
    return files;
}

Status WriteLiveSite(const Database& db, const QString& folder, const QDateTime& now,
                     int* written) {
    LiveSiteData data;
    if (Status s = LoadLiveSiteData(db, ChampionshipYearFor(db.path(), now.date()), now, data);
        !s) {
        return s;
    }
    return WriteSiteFiles(folder, LiveSiteFiles(data), written);
}
