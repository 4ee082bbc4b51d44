#pragma once

#include "publish/DownloadContent.h"

#include <QStringList>

// The results web page: an index, one section per event with its bracket, then the schools.
namespace HtmlDownload {

QStringList Lines(const DownloadContent& content);

}  // namespace HtmlDownload
