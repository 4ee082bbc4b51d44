#pragma once

#include "print/PrintFont.h"

#include <QList>
#include <QString>

// The print-header markup of sheet headers and footers: /c centres its line, /n ends a line,
// /fb1 /fb0 bold, /fi1 /fi0 italic, /fu1 /fu0 underline, /fz"n" size, /fn"name" font.
// Font codes stay in force until changed, across lines.
namespace PrintMarkup {

struct Run {
    QString text;
    PrintFont font;
};

struct Line {
    bool centred = false;
    QList<Run> runs;
    // The font in force at the end of the line; an empty line is as tall as this font.
    PrintFont font;
};

// The lines of `markup`, starting in `font`. A trailing /n adds no empty line.
QList<Line> Parse(const QString& markup, const PrintFont& font);

}  // namespace PrintMarkup
