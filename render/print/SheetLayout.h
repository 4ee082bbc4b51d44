#pragma once

#include "print/GridSheet.h"
#include "print/PrintDocument.h"

// Lays a grid sheet out on pages: the header on top of every page, the footer at the bottom,
// the rows in between broken across pages, centred across the paper. A fit-to-page sheet is
// scaled down to one page.
namespace SheetLayout {

PrintDocument Layout(const GridSheet& sheet, const QPageSize& paper);

}  // namespace SheetLayout
