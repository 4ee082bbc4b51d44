#pragma once

#include "print/PrintFont.h"

#include <QFont>
#include <QString>

// Measures printed text in points, the same on every printer, so a layout does not depend
// on the device it goes to. Needs a QGuiApplication.
namespace TextMeasure {

QFont ToQFont(const PrintFont& font);
double Width(const PrintFont& font, const QString& text);
double Ascent(const PrintFont& font);
// The distance from one baseline to the next.
double LineHeight(const PrintFont& font);
// Where an underline goes below the baseline.
double UnderlinePosition(const PrintFont& font);
// How far the lowest glyphs reach below the baseline.
double Descent(const PrintFont& font);
// The text cut short with an ellipsis so that it is at most `width` points wide.
QString Elide(const PrintFont& font, const QString& text, double width);

}  // namespace TextMeasure
