#include "print/PersonName.h"
#include "print/RecordQuery.h"
#include "print/ScoresheetDesign.h"
#include "print/Scoresheets.h"
#include "print/SqlList.h"

namespace Scoresheets {

namespace {

using ScoresheetDesign::AddBlank;
using ScoresheetDesign::AddCaptioned;
using ScoresheetDesign::Font;

constexpr double kWidth = 540;
constexpr double kHalf = 270;
// Across each half: place number, name, then the touches-scored and victory boxes.
constexpr double kOrder = 0;
constexpr double kName = 20;
constexpr double kScoreBox = 184;
constexpr double kResultBox = 222;
constexpr double kBox = 36;
// Where the right-hand group's half starts.
constexpr double kRight = kHalf + 4;

void designHeading(ReportSection& heading) {
    heading.name = QStringLiteral("Matchups");
    heading.newPageBefore = true;
    heading.height = 156;
    AddCaptioned(heading, QStringLiteral("Event:"), QStringLiteral("WeaponName"), 0, 6, 70, 200,
                 13);
    AddCaptioned(heading, QStringLiteral("Round:"), QStringLiteral("Round"), 0, 26, 70, 60, 13);
    AddCaptioned(heading, QStringLiteral("Pool:"), QStringLiteral("Stripset"), 0, 46, 70, 60, 13);
    AddCaptioned(heading, QStringLiteral("Strip(s):"), QStringLiteral("StripName"), 0, 66, 70, 60,
                 13);
    heading.add(
        ReportElement::label(QString(), QStringLiteral("Date:"), 290, 6, 70, Font(13, true)));
    heading.add(ReportElement::label(QStringLiteral("lDate"), QString(), 360, 6, 180, Font(13)));
    AddBlank(heading, QStringLiteral("Referees:"), 290, 46, 70, 180, 13);
    heading.add(ReportElement::line(360, 82, 180, 0.75));
    heading.add(ReportElement::line(0, 104, kWidth, 1.5));
    heading.add(ReportElement::field(QStringLiteral("LeftGroup"), 0, 114, kHalf - 10,
                                     Font(18, true), TextAlign::Centre));
    heading.add(ReportElement::field(QStringLiteral("RightGroup"), kRight, 114, kHalf - 10,
                                     Font(18, true), TextAlign::Centre));
    heading.add(ReportElement::label(QString(), QStringLiteral("vs."), kHalf - 20, 118, 40,
                                     Font(12, false, true), TextAlign::Centre));
}

void designSubround(ReportSection& header) {
    header.name = QStringLiteral("Subrounds");
    header.height = 24;
    for (double side : {0.0, kRight}) {
        header.add(ReportElement::label(QString(), QStringLiteral("TS"), side + kScoreBox, 6, kBox,
                                        Font(10, true), TextAlign::Centre));
        header.add(ReportElement::label(QString(), QStringLiteral("V/D"), side + kResultBox, 6,
                                        kBox, Font(10, true), TextAlign::Centre));
    }
    header.add(ReportElement::line(0, 22, kWidth, 0.5));
}

void designBoutLine(ReportSection& detail) {
    detail.name = QStringLiteral("ScoresheetData");
    detail.height = 40;
    const QStringList sides[] = {
        {QStringLiteral("LeftOrder"), QStringLiteral("LeftName"), QStringLiteral("LeftAddl")},
        {QStringLiteral("RightOrder"), QStringLiteral("RightName"), QStringLiteral("RightAddl")}};
    double side = 0;
    for (const QStringList& columns : sides) {
        detail.add(ReportElement::field(columns[0], side + kOrder, 8, 18, Font(13, true)));
        detail.add(
            ReportElement::field(columns[1], side + kName, 6, kScoreBox - kName - 4, Font(11, true))
                .initialled(columns[1] + QStringLiteral("Short")));
        detail.add(ReportElement::field(columns[2], side + kName, 21, kScoreBox - kName - 4,
                                        Font(9, false, true)));
        detail.add(ReportElement::box(side + kScoreBox, 4, kBox, 32));
        detail.add(ReportElement::box(side + kResultBox, 4, kBox, 32));
        side = kRight;
    }
}

void designDualScoresheets(BandedReport& report, const Request& request) {
    report = BandedReport(QStringLiteral("ORLE \"Dual\" Scoresheet"));
    report.setJobName(QStringLiteral("ORLE Dual Scoresheets - ") + request.event.name);
    report.pageHeader().height = 34;
    report.pageHeader().add(ReportElement::label(QStringLiteral("lTournamentYear"), QString(), 0, 0,
                                                 kWidth, Font(20, true), TextAlign::Centre));
    report.pageFooter().height = 48;
    report.pageFooter().add(ReportElement::line(250, 30, 290, 0.75));
    report.pageFooter().add(ReportElement::label(QString(), QStringLiteral("Referee"), 250, 32, 290,
                                                 Font(10), TextAlign::Centre));
    BandedReport::Group matchup;
    designHeading(matchup.header);
    BandedReport::Group subround;
    designSubround(subround.header);
    subround.footer.height = 10;
    report.groups() << matchup << subround;
    designBoutLine(report.detail());
    report.setLabel(QStringLiteral("lTournamentYear"),
                    ScoresheetDesign::TournamentYear(request.event.championshipYear));
    report.setLabel(QStringLiteral("lDate"), DateText(request.date));
}

QString fencerText(const char* roster, const char* teams) {
    return QStringLiteral(
               "CASE WHEN %1.Excluded<>0 THEN 'EXCLUDED' ELSE "
               "trim(ifnull(%1.FName,'')) || ' ' || trim(ifnull(%1.LName,'')) || "
               "' (' || ifnull(%2.Abbreviation,'') || ')' END")
        .arg(QLatin1String(roster), QLatin1String(teams));
}

}  // namespace

Status DualScoresheets(const Database& db, const Request& request, const QList<int>& rounds,
                       BandedReport& report) {
    designDualScoresheets(report, request);
    if (rounds.isEmpty()) {
        return Status::success();
    }
    // Event, then the strip restriction, then the rounds: every level binds them alike.
    const QString chosen =
        QStringLiteral(" AND (?2 < 0 OR Schedule.Stripset=?2) AND Schedule.Round IN (%1)")
            .arg(SqlPlaceholders(rounds.size()));
    SqlParams params{request.event.weapon, request.stripSet};
    AppendParams(params, rounds);

    Status status = Status::success();
    QList<ReportRecord> matchups = RecordQuery::Rows(
        db,
        QStringLiteral(
            "SELECT StripNumbers.Weapon, Weapons.WeaponName, Schedule.Round+1 AS Round, "
            "Schedule.Stripset+1 AS Stripset, StripNumbers.StripName, "
            "Schedule.Group1 AS LeftGroupNum, Schedule.Group2 AS RightGroupNum, "
            "Groups.GroupName AS LeftGroup, G1.GroupName AS RightGroup "
            "FROM Schedule JOIN StripNumbers ON StripNumbers.StripSet = Schedule.Stripset "
            "JOIN Weapons ON Weapons.Weapon = StripNumbers.Weapon "
            "JOIN Groups ON Groups.\"Group\" = Schedule.Group1 "
            "JOIN Groups AS G1 ON G1.\"Group\" = Schedule.Group2 "
            "WHERE StripNumbers.Weapon=?1 AND Schedule.Group1<>Schedule.Group2%1 "
            "ORDER BY Schedule.Round, Schedule.Stripset")
            .arg(chosen),
        params, &status);
    QList<ReportRecord> subrounds;
    if (status) {
        subrounds = RecordQuery::Rows(
            db,
            QStringLiteral("SELECT Weapons.Weapon, Schedule.Round+1 AS Round, "
                           "Schedule.Stripset+1 AS Stripset, Suborder.Subround "
                           "FROM Schedule, Suborder, Weapons "
                           "WHERE Weapons.Weapon=?1 AND Suborder.Bout=0%1 "
                           "ORDER BY Schedule.Round, Schedule.Stripset, Suborder.Subround")
                .arg(chosen),
            params, &status);
    }
    QList<ReportRecord> bouts;
    if (status) {
        bouts = RecordQuery::Rows(
            db,
            QStringLiteral(
                "SELECT Roster.Weapon, Schedule.Round+1 AS Round, Schedule.Stripset+1 AS Stripset, "
                "Suborder.Subround, Roster.Subgroup+1 AS LeftOrder, RO1.Subgroup+4 AS RightOrder, "
                "%1 AS LeftName, %2 AS RightName, "
                "Roster.AddlText AS LeftAddl, RO1.AddlText AS RightAddl, "
                "trim(ifnull(Roster.FName,'')) AS LeftGiven, trim(ifnull(RO1.FName,'')) AS "
                "RightGiven "
                "FROM Suborder, Schedule JOIN Roster ON Roster.\"Group\" = Schedule.Group1 "
                "JOIN Teams ON Teams.Team = Roster.Team "
                "JOIN Roster AS RO1 ON RO1.Weapon = Roster.Weapon "
                "AND RO1.\"Group\" = Schedule.Group2 "
                "JOIN Teams AS T1 ON T1.Team = RO1.Team "
                "WHERE Roster.Weapon=?1%3 AND Roster.Subgroup=Suborder.Subgroup1 "
                "AND (RO1.Subgroup+3)=Suborder.Subgroup2 "
                "ORDER BY Schedule.Round, Schedule.Stripset, Suborder.Subround, Suborder.Bout")
                .arg(fencerText("Roster", "Teams"), fencerText("RO1", "T1"), chosen),
            params, &status);
    }
    if (!status) {
        return status;
    }
    for (const QString& side : {QStringLiteral("Left"), QStringLiteral("Right")}) {
        PersonName::AddInitialled(bouts, side + QStringLiteral("Name"),
                                  side + QStringLiteral("Given"),
                                  side + QStringLiteral("NameShort"));
    }
    const QStringList keys{QStringLiteral("Weapon"), QStringLiteral("Round"),
                           QStringLiteral("Stripset")};
    RecordQuery::Relate(subrounds, bouts, keys + QStringList{QStringLiteral("Subround")});
    RecordQuery::Relate(matchups, subrounds, keys);
    report.setRecords(std::move(matchups));
    return Status::success();
}

}  // namespace Scoresheets
