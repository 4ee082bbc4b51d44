#pragma once

#include "publish/DownloadContent.h"

#include <QStringList>

// The results as an XML document with its own document type: every fencer's line per event,
// then every school's line.
namespace XmlDownload {

QStringList Lines(const DownloadContent& content);

}  // namespace XmlDownload
