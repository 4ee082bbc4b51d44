#pragma once

#include <QString>

struct SiteEvent;

// Every drawn fencer's bouts seen from the fencer, with the totals he signs for: what the
// confirmation sheet shows, one section per fencer (anchor "f" and the fencer number).
QString LiveFencerBouts(const SiteEvent& event);
