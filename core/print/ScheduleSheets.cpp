#include "print/ScheduleSheets.h"
#include "print/PersonName.h"
#include "print/PrintFooter.h"
#include "print/TwoBlockSheet.h"

#include <algorithm>
#include <optional>

namespace ScheduleSheets {

namespace {

// A fresh page for a two-block sheet: 500 empty rows, nothing bold, no borders.
void startTwoBlockSheet(GridSheet& sheet, const SheetEvent& event, const QString& title,
                        const QString& jobName) {
    sheet = GridSheet(5, 500);
    sheet.setDefaultFont({QStringLiteral("Arial"), 12});
    sheet.setHeader(event.titleMarkup() + QStringLiteral("/n/n/c/fz\"36\"") + title +
                    QStringLiteral("/n/n"));
    sheet.setFooter(CommonPrintFooter());
    sheet.setJobName(jobName + event.name);
}

}  // namespace

Status Groups(const Database& db, const SheetEvent& event, GridSheet& sheet) {
    startTwoBlockSheet(sheet, event, QStringLiteral("Group Assignments"),
                       QStringLiteral("ORLE Groupings - "));
    for (const auto& [column, width] :
         {std::pair{1, 60.0}, {2, 170.0}, {3, 48.0}, {4, 60.0}, {5, 170.0}}) {
        sheet.setColumnWidth(column, width);
    }
    Statement rows = db.prepare(
        QStringLiteral("SELECT Groups.GroupName, "
                       "trim(ifnull(FName,'')) || ' ' || trim(ifnull(LName,'')) AS Name, "
                       "Teams.Abbreviation, trim(ifnull(FName,'')) "
                       "FROM Roster JOIN Groups ON Groups.\"Group\" = Roster.\"Group\" "
                       "JOIN Subgroups ON Subgroups.Subgroup = Roster.Subgroup "
                       "JOIN Teams ON Teams.Team = Roster.Team "
                       "WHERE Groups.\"Group\"<>99 AND Roster.Weapon=? "
                       "ORDER BY Groups.\"Group\", Subgroups.Subgroup"),
        {event.weapon});
    TwoBlockSheet blocks(sheet);
    QString previous;
    while (rows.next()) {
        const QString group = rows.toText(0);
        if (group != previous) {
            blocks.heading(group);
            previous = group;
        }
        blocks.line(rows.toText(2), rows.toText(1),
                    PersonName::WithInitials(rows.toText(1), rows.toText(3)));
    }
    blocks.finish();
    return rows.ok() ? Status::success() : Status::failure(rows.errorString());
}

Status Schedule(const Database& db, const SheetEvent& event, GridSheet& sheet) {
    startTwoBlockSheet(sheet, event, QStringLiteral("Schedule"),
                       QStringLiteral("ORLE Schedule - "));
    for (const auto& [column, width] :
         {std::pair{1, 80.0}, {2, 170.0}, {3, 28.0}, {4, 80.0}, {5, 170.0}}) {
        sheet.setColumnWidth(column, width);
    }
    // Strips come in the numeric order of their names, then by name.
    Statement rows = db.prepare(
        QStringLiteral("SELECT Schedule.Round, trim(StripNumbers.StripName) AS StripName, "
                       "Groups.GroupName AS LeftGroup, G1.GroupName AS RightGroup "
                       "FROM Schedule JOIN Groups ON Schedule.Group1 = Groups.\"Group\" "
                       "JOIN Groups AS G1 ON Schedule.Group2 = G1.\"Group\" "
                       "JOIN StripNumbers ON StripNumbers.StripSet = Schedule.Stripset "
                       "WHERE StripNumbers.Weapon=? AND Schedule.Group1<>Schedule.Group2 "
                       "ORDER BY Schedule.Round, CAST(StripNumbers.StripName AS REAL), "
                       "StripNumbers.StripName"),
        {event.weapon});
    TwoBlockSheet blocks(sheet);
    int previous = -1;
    while (rows.next()) {
        const int round = rows.toInt(0);
        if (round != previous) {
            blocks.heading(QStringLiteral("Round %1").arg(round + 1));
            previous = round;
        }
        blocks.line(
            QStringLiteral("Strip ") + rows.toText(1) + QStringLiteral(". "),
            QStringLiteral(" ") + rows.toText(2) + QStringLiteral(" vs. ") + rows.toText(3));
    }
    blocks.finish();
    return rows.ok() ? Status::success() : Status::failure(rows.errorString());
}

namespace {

// The announcer reads the men's events' combined school by its men's name.
QString announcedSchool(const QString& school, int weapon) {
    if (weapon <= 2 && school == QLatin1String("COLUMBIA/BARNARD")) {
        return QStringLiteral("COLUMBIA");
    }
    return school;
}

}  // namespace

Status StripAssignments(const Database& db, const SheetEvent& event, ChampionshipDay day,
                        GridSheet& sheet) {
    sheet = GridSheet(3, 500);
    sheet.setDefaultFont({QStringLiteral("Arial"), 12});
    sheet.setHeader(event.titleMarkup() + QStringLiteral("/n/c/fz\"28\"Strip Assignments/n/n"));
    sheet.setFooter(CommonPrintFooter());
    sheet.setJobName(QStringLiteral("ORLE Groupings - ") + event.name);
    sheet.setColumnWidth(1, 24);
    sheet.setColumnWidth(2, 230);
    sheet.setColumnWidth(3, 230);
    Statement rows = db.prepare(
        QStringLiteral(
            "SELECT Schedule.Round+1 AS Round, StripNumbers.StripName, "
            "UCASE(Teams.MediumTeamName) AS Team, "
            "trim(ifnull(FName,'')) || ' ' || trim(ifnull(LName,'')) AS Name, "
            "(Roster.Excluded<>0 OR Roster.ExcludedButCount<>0 OR Roster.Injury<>0) AS Omit, "
            "trim(ifnull(FName,'')) AS Given "
            "FROM Schedule JOIN StripNumbers ON Schedule.Stripset = StripNumbers.StripSet "
            "JOIN Roster ON Roster.Weapon = StripNumbers.Weapon "
            "JOIN Teams ON Teams.Team = Roster.Team "
            "WHERE Roster.Weapon=? AND Schedule.Round BETWEEN ? AND ? "
            "AND Schedule.Group1<>Schedule.Group2 "
            "AND (Roster.\"Group\"=Schedule.Group1 OR Roster.\"Group\"=Schedule.Group2) "
            "ORDER BY Schedule.Round+1, CAST(StripNumbers.StripName AS REAL), "
            "StripNumbers.StripName, UCASE(Teams.MediumTeamName)"),
        {event.weapon, FirstRoundOf(day), LastRoundOf(day)});
    int r = 0;
    int round = -1;
    std::optional<QString> strip;
    while (rows.next()) {
        if (rows.toInt(0) != round) {
            r += 2;
            round = rows.toInt(0);
            GridSheet::Cell& heading = sheet.at(2, r - 1);
            heading.text = QStringLiteral("ROUND %1").arg(round);
            heading.font.bold = true;
            heading.font.pointSize = 14;
            // The announcer calls each round from its own page.
            if (r > 2) {
                sheet.setPageBreakBefore(r - 1);
            }
            // Every round names its first strip, even when the last round ended on it.
            strip.reset();
        }
        if (rows.toText(1) != strip) {
            r += 2;
            strip = rows.toText(1);
            GridSheet::Cell& heading = sheet.at(2, r - 1);
            heading.text = QStringLiteral("STRIP ") + *strip;
            heading.font.underline = true;
        }
        if (rows.toInt(4) == 0) {
            sheet.setText(2, r,
                          QStringLiteral("  ") + announcedSchool(rows.toText(2), event.weapon));
            sheet.setText(3, r, rows.toText(3),
                          PersonName::WithInitials(rows.toText(3), rows.toText(5)));
            ++r;
        }
    }
    sheet.setRowCount(std::max(r - 1, 0));
    // Narrow spacer rows keep a whole round on the announcer's page.
    for (int row = 1; row <= sheet.rowCount(); ++row) {
        if (sheet.text(2, row).isEmpty()) {
            sheet.setRowHeight(row, 8);
        }
    }
    return rows.ok() ? Status::success() : Status::failure(rows.errorString());
}

namespace {

// Below each round, a line per strip for the name of its referee.
void refereeRow(GridSheet& sheet, int row) {
    for (int s = 0; s < 4; ++s) {
        GridSheet::Cell& ref = sheet.at(2 * s + 1, row);
        ref.text = QStringLiteral("REF");
        ref.font.italic = true;
        sheet.at(2 * s + 2, row).bottomBorder = true;
    }
}

}  // namespace

Status RefereeAssignments(const Database& db, const SheetEvent& event, ChampionshipDay day,
                          GridSheet& sheet) {
    sheet = GridSheet(8, 500);
    sheet.setDefaultFont({QStringLiteral("Arial"), 10});
    sheet.setHeader(QStringLiteral("/c/fn\"Times New Roman\"/fb1/fz\"16\"") +
                    event.championshipYear +
                    QStringLiteral(" ORLE Championships/n/c/fz\"12\"Strip and Referee "
                                   "Assignments/n/c") +
                    event.name + QStringLiteral("/n/n"));
    sheet.setFooter(CommonPrintFooter());
    sheet.setJobName(QStringLiteral("ORLE Ref Assign - ") + event.name);
    sheet.setLandscape(true);
    sheet.setFitToPage(true);
    for (int s = 0; s < 4; ++s) {
        // Names set the width of their columns, so a long one never runs into the next strip.
        sheet.setColumnWidth(2 * s + 1, 44);
        sheet.setColumnWidth(2 * s + 2, 0);
    }
    sheet.formatBlock(1, 1, 8, 1, [](GridSheet::Cell& cell) {
        cell.font.bold = true;
        cell.font.pointSize = 11;
        cell.align = TextAlign::Centre;
    });
    Statement rows = db.prepare(
        QStringLiteral(
            "SELECT 'ROUND ' || (Schedule.Round+1) AS RoundNum, Schedule.Stripset, "
            "'STRIP ' || ifnull(StripNumbers.StripName,'') AS Strip, Teams.Abbreviation, "
            "ifnull(Roster.LName,'') || ', ' || ifnull(Roster.FName,'') AS Name, "
            "trim(ifnull(Roster.FName,'')) AS Given "
            "FROM Schedule JOIN StripNumbers ON Schedule.Stripset = StripNumbers.StripSet "
            "JOIN Roster ON Roster.Weapon = StripNumbers.Weapon "
            "JOIN Teams ON Teams.Team = Roster.Team "
            "WHERE (Roster.\"Group\"=Schedule.Group1 OR Roster.\"Group\"=Schedule.Group2) "
            "AND Schedule.Group1<>Schedule.Group2 AND Roster.Weapon=? "
            "AND Schedule.Round BETWEEN ? AND ? "
            "ORDER BY Schedule.Round, Schedule.Stripset, Teams.Abbreviation, Roster.LName, "
            "Roster.FName"),
        {event.weapon, FirstRoundOf(day), LastRoundOf(day)});
    int r = 2;
    int firstFencerRow = r;
    // The referee row goes below the longest strip of the round, so it never covers a
    // fencer of a fuller strip.
    int roundBottom = r;
    QString round;
    int stripset = -1;
    while (rows.next()) {
        if (rows.toText(0) != round) {
            if (!round.isEmpty()) {
                refereeRow(sheet, roundBottom);
                r = roundBottom + 2;
            }
            GridSheet::Cell& heading = sheet.at(2, r);
            heading.text = rows.toText(0);
            heading.font = {QStringLiteral("Arial"), 10, true, false, true};
            firstFencerRow = roundBottom = ++r;
            round = rows.toText(0);
            stripset = -1;
        }
        if (rows.toInt(1) != stripset) {
            stripset = rows.toInt(1);
            sheet.setText(2 * (stripset + 1), 1, rows.toText(2));
            r = firstFencerRow;
        }
        sheet.setText(2 * stripset + 1, r, rows.toText(3));
        sheet.setText(2 * stripset + 2, r, rows.toText(4),
                      PersonName::WithInitials(rows.toText(4), rows.toText(5)));
        roundBottom = std::max(roundBottom, ++r);
    }
    refereeRow(sheet, roundBottom);
    sheet.setRowCount(roundBottom);
    return rows.ok() ? Status::success() : Status::failure(rows.errorString());
}

Builder OnDay(Status (*build)(const Database&, const SheetEvent&, ChampionshipDay, GridSheet&),
              ChampionshipDay day) {
    return [build, day](const Database& db, const SheetEvent& event, GridSheet& sheet) {
        return build(db, event, day, sheet);
    };
}

}  // namespace ScheduleSheets
