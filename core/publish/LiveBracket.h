#pragma once

#include <QString>

struct SiteEvent;

// The Final Four bracket of an event: both semifinals, the gold and the bronze medal bouts,
// each with its fencers, winner and score as far as they are known. Empty before seeding.
QString LiveBracket(const SiteEvent& event);
