#pragma once

#include "db/Status.h"
#include "publish/SiteFiles.h"

#include <QDateTime>
#include <vector>

class Database;
struct LiveSiteData;

// The live results site: index.html (schools), one page per event, screen.html (the big
// screen) and results.json.
std::vector<SiteFile> LiveSiteFiles(const LiveSiteData& data);

// Reads the championship and writes its whole site into `folder`; `written` counts the files
// that changed.
Status WriteLiveSite(const Database& db, const QString& folder, const QDateTime& now,
                     int* written = nullptr);
