#pragma once

#include "print/BandedReport.h"

// The pieces the three printed result reports share: fonts, width and the page footer.
namespace ResultReportParts {

// Letter paper less the report's margins, in points.
inline constexpr double kWidth = 540;

PrintFont Font(double size, bool bold = false, bool italic = false);
// "2004 ORLE Championships".
QString TournamentYear(const QString& championshipYear);
// One column of a tabular report: its heading label "l<field>Hdr" and its field.
struct Column {
    const char* field;
    const char* caption;
    double left;
    double width;
    TextAlign align;
};

// Adds the heading label of every column to `section`, at `top`.
template <size_t N>
void AddHeadings(ReportSection& section, const Column (&columns)[N], double top,
                 const PrintFont& font) {
    for (const Column& c : columns) {
        section.add(ReportElement::label(QStringLiteral("l%1Hdr").arg(QLatin1String(c.field)),
                                         QLatin1String(c.caption), c.left, top, c.width, font,
                                         c.align));
    }
}

// Adds the field of every column to `section`, at `top`.
template <size_t N>
void AddFields(ReportSection& section, const Column (&columns)[N], double top,
               const PrintFont& font) {
    for (const Column& c : columns) {
        section.add(
            ReportElement::field(QLatin1String(c.field), c.left, top, c.width, font, c.align));
    }
}

// The program's title and the legal notice in `lCopyright`, with the page number.
void AddPageFooter(BandedReport& report);

}  // namespace ResultReportParts
