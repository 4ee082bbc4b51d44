#pragma once

#include <QStringList>

// The style sheet of the web page, in the spreadsheet-export look the results pages keep.
namespace HtmlStyle {

QStringList Lines();

}  // namespace HtmlStyle
