#pragma once

#include "print/BandedReport.h"
#include "print/PrintDocument.h"

// Lays a banded report out on pages: the report header once, the page header and footer on
// every page, each record's group header, children and group footer in order. The innermost
// group's whole block stays on one page when it fits; other group headers keep their first
// child with them. A page that breaks inside groups starts with their headers again, the
// innermost "(continued)". Texts too long for their control print smaller, then with given
// names as initials, then cut short. "%p" and "%P" become the page number and page count.
namespace ReportLayout {

PrintDocument Layout(const BandedReport& report, const QPageSize& paper);

}  // namespace ReportLayout
