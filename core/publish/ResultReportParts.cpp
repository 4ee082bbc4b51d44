#include "publish/ResultReportParts.h"

#include "db/ProgramVersion.h"

namespace ResultReportParts {

PrintFont Font(double size, bool bold, bool italic) {
    return {QStringLiteral("Times New Roman"), size, bold, italic, false};
}

QString TournamentYear(const QString& championshipYear) {
    return championshipYear + QStringLiteral(" ORLE Championships");
}

void AddPageFooter(BandedReport& report) {
    report.pageFooter().name = QStringLiteral("PageFooter");
    report.pageFooter().height = 40;
    report.pageFooter()
        .add(ReportElement::line(0, 4, kWidth, 0.5))
        .add(ReportElement::label(QStringLiteral("lProgram"),
                                  QStringLiteral("ORLE Fencing Championship Scoring System"), 0, 8,
                                  380, Font(10, true, true)))
        .add(ReportElement::label(QStringLiteral("lCopyright"), ProgramVersion::LegalNotice(), 0,
                                  22, 400, Font(8, false, true)))
        .add(ReportElement::label(QStringLiteral("lPage"), QStringLiteral("Page %p of %P"), 400, 8,
                                  140, Font(9), TextAlign::Right));
}

}  // namespace ResultReportParts
