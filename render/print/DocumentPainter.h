#pragma once

#include "print/PrintDocument.h"

class QPagedPaintDevice;
class QPainter;

// Paints laid-out pages on any paint device: printer, PDF file or preview.
namespace DocumentPainter {

// Paints one page; the painter's origin is the paper's top left corner and its device has
// `dotsPerPoint` dots per point.
void PaintPage(QPainter& painter, const PrintDocument::Page& page, double dotsPerPoint);

// Paints pages `first` to `last` (counted from 1; 0 for last means to the end) on the
// painter's paged device, each on a new page.
void PaintPages(QPainter& painter, QPagedPaintDevice& device, const PrintDocument& document,
                int first = 1, int last = 0);

}  // namespace DocumentPainter
