#include "roster/CompleteRostersReport.h"

#include "db/Database.h"
#include "db/ProgramVersion.h"
#include "print/PersonName.h"
#include "print/RecordQuery.h"

namespace {

constexpr double kWidth = 540;  // letter paper less the report's margins

PrintFont font(double size, bool bold = false, bool italic = false) {
    return {QStringLiteral("Times New Roman"), size, bold, italic, false};
}

void design(BandedReport& report, const QString& championshipYear) {
    report = BandedReport(QStringLiteral("CompleteRosters"));
    report.setJobName(QStringLiteral("List of Competitors"));
    report.pageHeader().height = 64;
    report.pageHeader()
        .add(ReportElement::label(QStringLiteral("lTitle"), QStringLiteral("List of Competitors"),
                                  0, 0, kWidth, font(20, true), TextAlign::Centre))
        .add(ReportElement::label(QStringLiteral("lTournamentYear"),
                                  championshipYear + QStringLiteral(" ORLE Championships"), 0, 30,
                                  kWidth, font(13, false, true), TextAlign::Centre))
        .add(ReportElement::line(0, 56, kWidth, 1));

    BandedReport::Group school;
    school.header.name = QStringLiteral("Competitors");
    school.header.height = 30;
    school.header
        .add(ReportElement::field(QStringLiteral("FullTeamName"), 0, 8, 400, font(14, true)))
        .add(ReportElement::label(QStringLiteral("lEntries"), QStringLiteral("Entries"), 420, 10,
                                  70, font(11, false, true), TextAlign::Right))
        .add(ReportElement::field(QStringLiteral("NumberEntries"), 496, 8, 44, font(14, true),
                                  TextAlign::Right))
        .add(ReportElement::line(0, 28, kWidth, 0.5));
    school.footer.height = 8;
    report.groups() << school;
    report.detail().name = QStringLiteral("Competitors_Detail");
    report.detail().height = 15;
    report.detail().add(ReportElement::field(QStringLiteral("FencerName"), 24, 1, 480, font(11))
                            .initialled(QStringLiteral("FencerNameShort")));

    report.pageFooter().height = 30;
    report.pageFooter()
        .add(ReportElement::label(QStringLiteral("lLegal"), ProgramVersion::LegalNotice(), 0, 10,
                                  400, font(8, false, true)))
        .add(ReportElement::label(QStringLiteral("lPage"), QStringLiteral("Page %p of %P"), 400, 10,
                                  140, font(9), TextAlign::Right));
}

}  // namespace

Status BuildCompleteRosters(const Database& db, const QString& championshipYear,
                            BandedReport& report) {
    design(report, championshipYear);
    Status status = Status::success();
    QList<ReportRecord> schools = RecordQuery::Rows(
        db,
        QStringLiteral("SELECT DISTINCT FullTeamName, NumberEntries FROM vRosterReport "
                       "ORDER BY FullTeamName"),
        {}, &status);
    if (!status) {
        return status;
    }
    QList<ReportRecord> fencers = RecordQuery::Rows(
        db, QStringLiteral("SELECT * FROM vRosterReport ORDER BY FullTeamName, LName, FName"), {},
        &status);
    if (!status) {
        return status;
    }
    PersonName::AddInitialled(fencers, QStringLiteral("FencerName"), QStringLiteral("FName"),
                              QStringLiteral("FencerNameShort"));
    RecordQuery::Relate(schools, fencers,
                        {QStringLiteral("FullTeamName"), QStringLiteral("NumberEntries")});
    report.setRecords(std::move(schools));
    return Status::success();
}
