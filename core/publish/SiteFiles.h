#pragma once

#include "db/Status.h"

#include <QByteArray>
#include <QString>
#include <vector>

// One file of a web folder and its whole content.
struct SiteFile {
    QString name;
    QByteArray bytes;
};

// Writes the files into `folder` (made when missing) so that a web server reading it never
// sees half a page: each file goes to a temporary name of this process and is renamed into
// place. A file that already holds the same bytes is left alone. `written` counts the files
// replaced.
Status WriteSiteFiles(const QString& folder, const std::vector<SiteFile>& files,
                      int* written = nullptr);
