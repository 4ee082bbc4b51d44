#pragma once

#include "print/PrintFont.h"

#include <QString>

// Makes a text fit the room it prints in, so that it never runs into its neighbour: first a
// little smaller, down to the smallest readable size; then in its short form (given names as
// initials, the family name that referees call kept whole); at last cut short with an ellipsis.
namespace TextFit {

// The smallest size a text is printed at, in points on the paper.
inline constexpr double kSmallestSize = 7;

struct Fitted {
    QString text;
    PrintFont font;
    double width = 0;
};

// `room` and `smallest` are in the text's own units: on a sheet scaled down to one page the
// smallest size is larger than 7 points. A title never shrinks below half its size. A
// `suffix` such as " (continued)" follows the text and is never cut.
Fitted Fit(const QString& text, const QString& shortText, const PrintFont& font, double room,
           double smallest = kSmallestSize, const QString& suffix = QString());

}  // namespace TextFit
