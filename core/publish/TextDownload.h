#pragma once

#include "publish/DownloadContent.h"

#include <QStringList>

// The fixed-column text file of the results: one section per event, then the schools.
namespace TextDownload {

QStringList Lines(const DownloadContent& content);

}  // namespace TextDownload
