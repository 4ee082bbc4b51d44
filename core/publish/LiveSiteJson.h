#pragma once

#include <QByteArray>

struct LiveSiteData;

// results.json: everything the live pages show, for other web sites and scoreboards.
// Its fields are described in docs/live-results.md.
QByteArray LiveSiteJson(const LiveSiteData& data);
