#pragma once

#include <QString>

struct LiveSiteData;
struct SiteEvent;

// The live standings of an event. The full table links each name to the fencer's bouts and
// says who can still reach the Final Four; the compact one (the big screen) shows the figures
// that decide the places.
QString EventStandingsTable(const SiteEvent& event, bool compact);

// <code>.html: an event's progress, standings, Final Four, rounds by strip and every
// fencer's bouts.
QString EventPage(const LiveSiteData& data, const SiteEvent& event);
