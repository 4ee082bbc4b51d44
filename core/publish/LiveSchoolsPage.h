#pragma once

#include <QString>

struct LiveSiteData;
struct SiteTeams;

// The school standings of one variant with the title race: points per event, bouts left,
// the most points each school can reach and whether it can still win.
QString SchoolStandingsTable(const LiveSiteData& data, const SiteTeams& teams);

// index.html: the three school standings and where every event stands.
QString SchoolsPage(const LiveSiteData& data);
