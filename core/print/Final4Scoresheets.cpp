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
// Touch tally: a bout to fifteen can reach 29 touches between both fencers with doubles.
constexpr int kTallyBoxes = 29;
constexpr double kTallyBox = 18;

// One fencer's block: school and name, the score and result boxes, and his touch tally.
void designFencer(ReportSection& sheet, const QString& team, const QString& fencer, double top) {
    sheet.add(ReportElement::field(team, 0, top, 80, Font(16, true)));
    sheet.add(ReportElement::field(fencer, 80, top, 320, Font(20, true))
                  .initialled(fencer + QStringLiteral("Short")));
    // Lines with captions, so that a sheet printed before the seeding can be filled by hand.
    sheet.add(ReportElement::line(0, top + 30, 70, 0.75));
    sheet.add(ReportElement::line(80, top + 30, 320, 0.75));
    sheet.add(ReportElement::label(QString(), QStringLiteral("School"), 0, top + 31, 70,
                                   Font(8, false, true)));
    sheet.add(ReportElement::label(QString(), QStringLiteral("Fencer"), 80, top + 31, 320,
                                   Font(8, false, true)));
    sheet.add(ReportElement::box(410, top - 6, 60, 44));
    sheet.add(ReportElement::box(480, top - 6, 60, 44));
    for (int n = 0; n < kTallyBoxes; ++n) {
        const double left = n * kTallyBox + 9;
        sheet.add(ReportElement::label(QString(), QString::number(n + 1), left, top + 50, kTallyBox,
                                       Font(8), TextAlign::Centre));
        sheet.add(ReportElement::box(left, top + 62, kTallyBox, kTallyBox));
    }
}

void designBoutSheet(ReportSection& sheet) {
    sheet.name = QStringLiteral("FinalFour");
    sheet.newPageBefore = true;
    sheet.height = 560;
    sheet.add(ReportElement::label(QStringLiteral("lTournamentYear"), QString(), 0, 0, kWidth,
                                   Font(24, true), TextAlign::Centre));
    sheet.add(ReportElement::line(0, 40, kWidth, 1.5));
    AddCaptioned(sheet, QStringLiteral("Event:"), QStringLiteral("WeaponName"), 0, 56, 70, 220, 14);
    AddCaptioned(sheet, QStringLiteral("Round:"), QStringLiteral("BoutName"), 0, 82, 70, 220, 14);
    AddBlank(sheet, QStringLiteral("Strip:"), 300, 56, 70, 170, 14);
    AddBlank(sheet, QStringLiteral("Referee:"), 300, 82, 70, 170, 14);
    AddBlank(sheet, QStringLiteral("Date:"), 300, 108, 70, 170, 14);
    sheet.add(ReportElement::label(QString(), QStringLiteral("SCORE"), 410, 150, 60, Font(12, true),
                                   TextAlign::Centre));
    sheet.add(ReportElement::label(QString(), QStringLiteral("V/D"), 480, 150, 60, Font(12, true),
                                   TextAlign::Centre));
    designFencer(sheet, QStringLiteral("TopTeam"), QStringLiteral("TopFencer"), 180);
    designFencer(sheet, QStringLiteral("BottomTeam"), QStringLiteral("BottomFencer"), 310);
    sheet.add(ReportElement::line(0, 480, 250, 0.75));
    sheet.add(ReportElement::label(QString(), QStringLiteral("Referee Signature"), 0, 482, 250,
                                   Font(10), TextAlign::Centre));
    sheet.add(ReportElement::line(290, 480, 250, 0.75));
    sheet.add(ReportElement::label(QString(), QStringLiteral("Scorekeeper"), 290, 482, 250,
                                   Font(10), TextAlign::Centre));
}

QString fencerName(const char* roster) {
    return QStringLiteral("trim(trim(ifnull(%1.FName,'')) || ' ' || trim(ifnull(%1.LName,'')))")
        .arg(QLatin1String(roster));
}

}  // namespace

Status Final4Scoresheets(const Database& db, const Request& request, const QList<int>& bouts,
                         BandedReport& report) {
    report = BandedReport(QStringLiteral("Final4Scoresheets"));
    report.setJobName(QStringLiteral("ORLE Final Four Scoresheets - ") + request.event.name);
    BandedReport::Group bout;
    designBoutSheet(bout.header);
    report.groups() << bout;
    report.setLabel(QStringLiteral("lTournamentYear"),
                    ScoresheetDesign::TournamentYear(request.event.championshipYear));
    if (bouts.isEmpty()) {
        return Status::success();
    }
    // Every chosen bout gets its sheet: one not yet seeded, or whose fencer has left the
    // roster, prints with empty fencer fields rather than not at all.
    SqlParams params{request.event.weapon};
    AppendParams(params, bouts);
    Status status = Status::success();
    QList<ReportRecord> sheets = RecordQuery::Rows(
        db,
        QStringLiteral(
            "SELECT Weapons.WeaponName, FinalFourBouts.Bout, FinalFourBouts.BoutName, "
            "%1 AS TopFencer, %2 AS BottomFencer, ifnull(Teams.Abbreviation,'') AS TopTeam, "
            "ifnull(T1.Abbreviation,'') AS BottomTeam, trim(ifnull(Roster.FName,'')) AS TopGiven, "
            "trim(ifnull(RO1.FName,'')) AS BottomGiven "
            "FROM FinalFourBouts JOIN Weapons ON Weapons.Weapon=?1 "
            "LEFT JOIN FinalFour ON FinalFour.Weapon = Weapons.Weapon "
            "AND FinalFour.Bout = FinalFourBouts.Bout "
            "LEFT JOIN Roster ON Roster.Weapon = FinalFour.Weapon "
            "AND Roster.FencerNumber = FinalFour.TopFencer "
            "LEFT JOIN Teams ON Teams.Team = Roster.Team "
            "LEFT JOIN Roster AS RO1 ON RO1.Weapon = FinalFour.Weapon "
            "AND RO1.FencerNumber = FinalFour.BottomFencer "
            "LEFT JOIN Teams AS T1 ON T1.Team = RO1.Team "
            "WHERE FinalFourBouts.Bout IN (%3) ORDER BY FinalFourBouts.Bout")
            .arg(fencerName("Roster"), fencerName("RO1"), SqlPlaceholders(bouts.size())),
        params, &status);
    if (status) {
        for (const QString& end : {QStringLiteral("Top"), QStringLiteral("Bottom")}) {
            PersonName::AddInitialled(sheets, end + QStringLiteral("Fencer"),
                                      end + QStringLiteral("Given"),
                                      end + QStringLiteral("FencerShort"));
        }
        report.setRecords(std::move(sheets));
    }
    return status;
}

}  // namespace Scoresheets
