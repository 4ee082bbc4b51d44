#pragma once

#include <QString>

struct LiveSiteData;

// screen.html, for a projector in the hall: one slide per event (standings and Final Four)
// and one for the school standings, shown in turn.
QString ScreenPage(const LiveSiteData& data);
