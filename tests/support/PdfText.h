#pragma once

#include <QString>

// The text of a PDF file as pdftotext reads it (layout kept), or an empty text when it
// cannot be read. `firstPage`/`lastPage` of 0 mean the whole file.
QString PdfText(const QString& path, int firstPage = 0, int lastPage = 0);
// The number of pages of a PDF file, from pdfinfo; 0 when it cannot be read.
int PdfPageCount(const QString& path);
