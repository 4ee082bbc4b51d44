#pragma once

#include "print/PrintDocument.h"

class QPainter;

// Paints laid-out pages on any paint device: printer, PDF file or preview.
namespace DocumentPainter {

// Paints one page; the painter's origin is the paper's top left corner and its device has
// `dotsPerPoint` dots per point.
void PaintPage(QPainter& painter, const PrintDocument::Page& page, double dotsPerPoint);

}  // namespace DocumentPainter
