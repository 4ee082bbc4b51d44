#include "publish/FullResultsReport.h"

#include "print/PersonName.h"
#include "print/RecordQuery.h"
#include "publish/ResultReportParts.h"

using ResultReportParts::Font;
using ResultReportParts::kWidth;

namespace {

const char* const kSchoolEvents =
    "SELECT DISTINCT Teams.FullTeamName, Teams.Team, Roster.Weapon, Weapons.WeaponName "
    "FROM Teams INNER JOIN Roster ON Teams.Team = Roster.Team "
    "INNER JOIN Weapons ON Weapons.Weapon = Roster.Weapon "
    "ORDER BY Teams.FullTeamName, Roster.Weapon";

const char* const kCompetitors =
    "SELECT Roster.Team, Roster.Weapon, trim(trim(Roster.LName) || ', ' || trim(Roster.FName)) "
    "AS FullName, Roster.FencerNumber, trim(Roster.FName) AS Given FROM Roster "
    "ORDER BY Roster.Team, FullName, Roster.FencerNumber";

// Two groups meet in the round whose schedule pairs them; the first round also pairs each
// group with itself, for the group-mates' bouts of the pool.
const char* const kBouts =
    "SELECT Roster.Team, Results.Weapon, Results.FencerNumber, "
    "Schedule.Round + 1 AS Round, "
    "trim(trim(OppRos.LName) || ', ' || trim(OppRos.FName)) || ' (' || "
    "ifnull(Teams.Abbreviation,'') || ')' AS Opponent, "
    "CASE WHEN Results.Victory <> 0 THEN 'V' WHEN OppRes.Victory <> 0 THEN 'D' ELSE ' ' END "
    "AS VorD, Results.Touches AS TS, OppRes.Touches AS TR, trim(OppRos.FName) AS OppGiven "
    "FROM Results "
    "INNER JOIN Roster ON Roster.Weapon = Results.Weapon "
    "AND Roster.FencerNumber = Results.FencerNumber "
    "INNER JOIN Roster AS OppRos ON OppRos.Weapon = Results.Weapon "
    "AND OppRos.FencerNumber = Results.Opponent "
    "INNER JOIN Teams ON Teams.Team = OppRos.Team "
    "INNER JOIN Results AS OppRes ON OppRes.Weapon = Results.Weapon "
    "AND OppRes.FencerNumber = Results.Opponent AND OppRes.Opponent = Results.FencerNumber "
    "LEFT JOIN Schedule ON "
    "(Schedule.Group1 = Roster.\"Group\" AND Schedule.Group2 = OppRos.\"Group\") OR "
    "(Schedule.Group2 = Roster.\"Group\" AND Schedule.Group1 = OppRos.\"Group\") "
    "ORDER BY Results.Weapon, Roster.Team, Results.FencerNumber, Schedule.Round, Opponent";

using ResultReportParts::Column;

// Bout lines set close enough that two fencers with all 23 bouts share a page, as each
// fencer's block stays on one page.
constexpr double kBoutLine = 11.5;
constexpr double kBoutSize = 9.5;

constexpr Column kBoutColumns[] = {
    {"Round", "Round", 40, 40, TextAlign::Centre},
    {"Opponent", "Opponent", 92, 280, TextAlign::Left},
    {"VorD", "Result", 376, 50, TextAlign::Centre},
    {"TS", "TS", 430, 40, TextAlign::Right},
    {"TR", "TR", 476, 40, TextAlign::Right},
};

void design(BandedReport& report) {
    report.pageHeader().name = QStringLiteral("PageHeader");
    report.pageHeader().height = 34;
    report.pageHeader()
        .add(ReportElement::label(QStringLiteral("lTournamentYear"), QString(), 0, 0, kWidth,
                                  Font(16, true), TextAlign::Centre))
        .add(ReportElement::line(0, 26, kWidth, 1));

    BandedReport::Group schoolEvent;
    schoolEvent.header.name = QStringLiteral("SchoolEventHeader");
    schoolEvent.header.height = 30;
    schoolEvent.header
        .add(ReportElement::field(QStringLiteral("FullTeamName"), 0, 6, 340, Font(14, true)))
        .add(ReportElement::field(QStringLiteral("WeaponName"), 340, 6, 200, Font(14, true, true),
                                  TextAlign::Right))
        .add(ReportElement::line(0, 26, kWidth, 0.75));
    schoolEvent.footer.height = 8;

    BandedReport::Group fencer;
    fencer.header.name = QStringLiteral("FencerHeader");
    fencer.header.height = 36;
    fencer.header.add(ReportElement::field(QStringLiteral("FullName"), 12, 4, 400, Font(12, true))
                          .initialled(QStringLiteral("FullNameShort")));
    ResultReportParts::AddHeadings(fencer.header, kBoutColumns, 20, Font(9, false, true));
    fencer.footer.height = 6;
    report.groups() << schoolEvent << fencer;

    report.detail().name = QStringLiteral("Detail");
    report.detail().height = kBoutLine;
    ResultReportParts::AddFields(report.detail(), kBoutColumns, 0, Font(kBoutSize));
    report.detail().initialled(QStringLiteral("Opponent"), QStringLiteral("OpponentShort"));
    ResultReportParts::AddPageFooter(report);
}

}  // namespace

namespace FullResultsReport {

Status Build(const Database& db, const QString& championshipYear, BandedReport& report) {
    report = BandedReport(QStringLiteral("FullResults"));
    report.setJobName(QStringLiteral("ORLE Full Results"));
    design(report);
    report.setLabel(QStringLiteral("lTournamentYear"),
                    ResultReportParts::TournamentYear(championshipYear));
    Status status = Status::success();
    QList<ReportRecord> schoolEvents =
        RecordQuery::Rows(db, QLatin1String(kSchoolEvents), {}, &status);
    QList<ReportRecord> fencers =
        status ? RecordQuery::Rows(db, QLatin1String(kCompetitors), {}, &status)
               : QList<ReportRecord>();
    QList<ReportRecord> bouts =
        status ? RecordQuery::Rows(db, QLatin1String(kBouts), {}, &status) : QList<ReportRecord>();
    if (!status) {
        return status;
    }
    PersonName::AddInitialled(fencers, QStringLiteral("FullName"), QStringLiteral("Given"),
                              QStringLiteral("FullNameShort"));
    PersonName::AddInitialled(bouts, QStringLiteral("Opponent"), QStringLiteral("OppGiven"),
                              QStringLiteral("OpponentShort"));
    const QString team = QStringLiteral("Team");
    const QString weapon = QStringLiteral("Weapon");
    RecordQuery::Relate(fencers, bouts, {team, weapon, QStringLiteral("FencerNumber")});
    RecordQuery::Relate(schoolEvents, fencers, {team, weapon});
    report.setRecords(std::move(schoolEvents));
    return Status::success();
}

}  // namespace FullResultsReport
