#pragma once

#include "print/BandedReport.h"

#include <QString>

// What the dual and Final Four scoresheets share: their fonts and title.
namespace ScoresheetDesign {

inline PrintFont Font(double size, bool bold = false, bool italic = false) {
    return {QStringLiteral("Times New Roman"), size, bold, italic, false};
}

inline QString TournamentYear(const QString& year) {
    return year + QStringLiteral(" ORLE Championships");
}

// A caption and a field on one line: "Event:  Men's Sabre".
inline void AddCaptioned(ReportSection& section, const QString& caption, const QString& column,
                         double left, double top, double captionWidth, double fieldWidth,
                         double size) {
    section.add(
        ReportElement::label(QString(), caption, left, top, captionWidth, Font(size, true)));
    section.add(ReportElement::field(column, left + captionWidth, top, fieldWidth, Font(size)));
}

// A caption followed by a line to write on.
inline void AddBlank(ReportSection& section, const QString& caption, double left, double top,
                     double captionWidth, double lineWidth, double size) {
    section.add(
        ReportElement::label(QString(), caption, left, top, captionWidth, Font(size, true)));
    section.add(ReportElement::line(left + captionWidth, top + size * 1.25, lineWidth, 0.75));
}

}  // namespace ScoresheetDesign
