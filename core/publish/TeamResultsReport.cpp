#include "publish/TeamResultsReport.h"

#include "print/RecordQuery.h"
#include "publish/ResultReportParts.h"

#include <QLocale>

using ResultReportParts::Font;
using ResultReportParts::kWidth;

namespace {

using ResultReportParts::Column;

constexpr Column kColumns[] = {
    {"Place", "Place", 0, 40, TextAlign::Right},
    {"FullTeamName", "Name", 56, 230, TextAlign::Left},
    {"Points", "Points", 290, 50, TextAlign::Right},
    // The last column ends short of the heading band's edge, so "WS" does not touch it.
    {"ME", "ME", 344, 30, TextAlign::Right},
    {"MF", "MF", 376, 30, TextAlign::Right},
    {"MS", "MS", 408, 30, TextAlign::Right},
    {"WE", "WE", 440, 30, TextAlign::Right},
    {"WF", "WF", 472, 30, TextAlign::Right},
    {"WS", "WS", 504, 30, TextAlign::Right},
};

void design(BandedReport& report) {
    ReportSection& header = report.reportHeader();
    header.name = QStringLiteral("ReportHeader");
    header.height = 96;
    header
        .add(ReportElement::label(QStringLiteral("lTournamentYear"), QString(), 0, 0, kWidth,
                                  Font(14, false, true), TextAlign::Centre))
        .add(ReportElement::label(QStringLiteral("lWeapon"), QString(), 0, 20, kWidth,
                                  Font(26, true), TextAlign::Centre))
        .add(ReportElement::label(QStringLiteral("lDateTime"), QString(), 0, 60, kWidth,
                                  Font(11, false, true), TextAlign::Centre));
    ReportSection& page = report.pageHeader();
    page.name = QStringLiteral("PageHeader");
    page.height = 24;
    page.add(ReportElement::box(0, 0, kWidth, 18, 0xD8D8D8));
    report.detail().name = QStringLiteral("Detail");
    report.detail().height = 16;
    ResultReportParts::AddHeadings(page, kColumns, 3, Font(11, true));
    ResultReportParts::AddFields(report.detail(), kColumns, 1, Font(11));
    ResultReportParts::AddPageFooter(report);
}

}  // namespace

namespace TeamResultsReport {

Status Build(const Database& db, const QString& championshipYear, const QString& title,
             const QDateTime& printedAt, BandedReport& report) {
    report = BandedReport(QStringLiteral("TeamResults"));
    report.setJobName(QStringLiteral("ORLE Results - ") + title);
    design(report);
    report.setLabel(QStringLiteral("lTournamentYear"),
                    ResultReportParts::TournamentYear(championshipYear));
    report.setLabel(QStringLiteral("lWeapon"), title);
    report.setLabel(QStringLiteral("lDateTime"),
                    QLocale(QLocale::English, QLocale::UnitedStates)
                        .toString(printedAt, QStringLiteral("MMMM d, yyyy   h:mm AP")));
    Status status = Status::success();
    QList<ReportRecord> rows = RecordQuery::Rows(
        db,
        QStringLiteral("SELECT FullTeamName, (SELECT COUNT(FullTeamName) FROM TeamScratchpad "
                       "WHERE TSP.Points < Points) + 1 AS Place, Points, ME, MF, MS, WE, WF, WS "
                       "FROM TeamScratchpad TSP ORDER BY 3 DESC, 1"),
        {}, &status);
    report.setRecords(std::move(rows));
    return status;
}

}  // namespace TeamResultsReport
