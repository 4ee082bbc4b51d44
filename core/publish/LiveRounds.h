#pragma once

#include <QString>

struct SiteEvent;

// Every round of an event strip by strip: each bout's fencers and, once fenced, the marks
// as the scoresheet shows them, the winner in bold.
QString LiveRounds(const SiteEvent& event);
