#pragma once

#include "print/BandedReport.h"
#include "print/PrintDocument.h"

// Lays a banded report out on pages: the report header once, the page header and footer on
// every page, each record's group header, children and group footer in order. A section
// that does not fit goes to the next page, and a group header keeps its first child with it.
// "%p" and "%P" in captions become the page number and the page count.
namespace ReportLayout {

PrintDocument Layout(const BandedReport& report, const QPageSize& paper);

}  // namespace ReportLayout
