#pragma once

#include "print/BandedReport.h"

// The pieces the three printed result reports share: fonts, width and the page footer.
namespace ResultReportParts {

// Letter paper less the report's margins, in points.
inline constexpr double kWidth = 540;

PrintFont Font(double size, bool bold = false, bool italic = false);
// "2004 ORLE Championships".
QString TournamentYear(const QString& championshipYear);
// The program's title and the legal notice in `lCopyright`, with the page number.
void AddPageFooter(BandedReport& report);

}  // namespace ResultReportParts
