#include "print/PersonName.h"
#include "print/PrintFooter.h"
#include "print/Scoresheets.h"

#include <QLocale>

namespace Scoresheets {

namespace {

constexpr int kNameColumn = 2;
constexpr int kSchoolColumn = 3;
constexpr int kFirstBoutColumn = 5;
constexpr int kFirstPlaceRow = 2;
constexpr int kHeadingShade = 0xD9D9D9;
constexpr int kSelfBoutShade = 0x595959;

// The column layout of the pool sheet; the program only ever writes names and schools.
void designPoolSheet(GridSheet& sheet) {
    sheet = GridSheet(16, 7);
    sheet.setDefaultFont({QStringLiteral("Arial"), 11});
    sheet.setGridLines(true);
    sheet.setColumnHidden(1, true);
    // Narrow side margins leave the bout cells wide enough to write a score in.
    sheet.setMargins(24, 24);
    const QStringList headings{QStringLiteral("Name"),    QStringLiteral("School"),
                               QStringLiteral("No."),     QStringLiteral("1"),
                               QStringLiteral("2"),       QStringLiteral("3"),
                               QStringLiteral("4"),       QStringLiteral("5"),
                               QStringLiteral("6"),       QString(),
                               QStringLiteral("V"),       QStringLiteral("TS"),
                               QStringLiteral("TR"),      QStringLiteral("Ind"),
                               QStringLiteral("Initials")};
    const QList<double> widths{140, 48, 26, 31, 31, 31, 31, 31, 31, 8, 26, 26, 26, 28, 46};
    for (int c = 0; c < headings.size(); ++c) {
        GridSheet::Cell& cell = sheet.at(c + 2, 1);
        cell.text = headings[c];
        cell.font.bold = true;
        cell.align = c == 0 || c == 1 ? TextAlign::Left : TextAlign::Centre;
        cell.shade = kHeadingShade;
        sheet.setColumnWidth(c + 2, widths[c]);
    }
    sheet.setRowHeight(1, 20);
    for (int place = 0; place < 6; ++place) {
        const int row = kFirstPlaceRow + place;
        sheet.setRowHeight(row, 36);
        GridSheet::Cell& number = sheet.at(4, row);
        number.text = QString::number(place + 1);
        number.font.bold = true;
        number.align = TextAlign::Centre;
        // A fencer never meets himself: his own cell of the matrix is blacked out.
        sheet.at(kFirstBoutColumn + place, row).shade = kSelfBoutShade;
        sheet.at(11, row).shade = kHeadingShade;
    }
}

// An underlined field that is at least `width` characters long; a longer text is kept whole.
QString field(const QString& text, int width) {
    return text.trimmed().leftJustified(width, QLatin1Char(' '));
}

// The blank lines under the title are set in the fields' size, not the title's, so the
// grid and the bout order stay on one page.
QString poolHeader(const Request& request, int stripSet, const QString& stripText) {
    return QStringLiteral("/c/fb1/fz\"24\"") + request.event.championshipYear +
           QStringLiteral(" ORLE Championships/n/c/fz\"48\"") + request.event.name +
           QStringLiteral("/n/fn\"Courier New\"/fz\"14\"/n/nDate:/fb0     /fu1  ") +
           field(DateText(request.date), 24) +
           QStringLiteral("/fu0/n/n/fb1Pool:/fb0     /fu1     ") +
           field(QStringLiteral("Round 1, Pool %1").arg(stripSet + 1), 21) +
           QStringLiteral("/fu0/n/n/fb1Strip:/fb0    /fu1     ") + field(stripText, 21) +
           QStringLiteral("/fu0/n/n/fb1Referees:/fb0 /fu1") + QString(26, QLatin1Char(' ')) +
           QStringLiteral("/fu0/n/n");
}

QString poolFooter(bool teamMates) {
    return QStringLiteral(
               "/fb1/c/fn\"Times New Roman\"/fz\"18\"Bout Order/n/n/c/fn\"Courier "
               "New\"/fz\"12\"") +
           PoolBoutOrder(teamMates) +
           QStringLiteral("/n/n/n/fb0/n/fn\"Times New Roman\"/fz\"10\"Referee Signature  /fu1") +
           QString(80, QLatin1Char(' ')) + QStringLiteral("/fu0/n/n/n") + CommonPrintFooter();
}

// When the third fencers of both groups come from one school, places 2 and 4 change so that
// the team-mates' bout comes first in the team-mate order.
bool arrangeTeamMates(GridSheet& sheet) {
    const QString third1 = sheet.text(kSchoolColumn, kFirstPlaceRow + 2);
    const QString third2 = sheet.text(kSchoolColumn, kFirstPlaceRow + 5);
    if (third1.isEmpty() || third1 != third2) {
        return false;
    }
    for (int column : {kNameColumn, kSchoolColumn}) {
        GridSheet::Cell& second = sheet.at(column, kFirstPlaceRow + 1);
        GridSheet::Cell& fourth = sheet.at(column, kFirstPlaceRow + 3);
        std::swap(second.text, fourth.text);
        std::swap(second.shortText, fourth.shortText);
    }
    return true;
}

void finishPoolSheet(GridSheet& sheet, const Request& request, int stripSet,
                     const QString& stripText, QList<GridSheet>& sheets) {
    const bool teamMates = arrangeTeamMates(sheet);
    sheet.setHeader(poolHeader(request, stripSet, stripText));
    sheet.setFooter(poolFooter(teamMates));
    // Named so that a pool sheet saved instead of printed says which strip it is for.
    sheet.setJobName(
        QStringLiteral("ORLE Pool Sheet - %1 - %2").arg(request.event.name, stripText));
    sheets << sheet;
}

}  // namespace

QDate SheetDate(const QDate& today, bool tomorrow) {
    return tomorrow ? today.addDays(1) : today;
}

QString DateText(const QDate& date) {
    return QLocale(QLocale::English, QLocale::UnitedStates)
        .toString(date, QStringLiteral("dddd, MMMM d, yyyy"));
}

QString PoolBoutOrder(bool teamMates) {
    return teamMates ? QStringLiteral(
                           "1-4      3-1      3-4/n/c2-5      6-2      5-6/n/c3-6      "
                           "5-3      2-3/n/c5-1      6-4      1-6/n/c4-2      1-2      "
                           "4-5")
                     : QStringLiteral(
                           "1-2      6-4      4-2/n/c4-5      2-5      3-6/n/c2-3      "
                           "1-4      5-1/n/c5-6      5-3      3-4/n/c3-1      1-6      "
                           "6-2");
}

Status PoolSheets(const Database& db, const Request& request, QList<GridSheet>& sheets) {
    sheets.clear();
    Statement rows = db.prepare(
        QStringLiteral(
            "SELECT Schedule.Stripset, "
            "Roster.Subgroup + CASE WHEN Roster.\"Group\"=Schedule.Group1 THEN 0 ELSE 3 END "
            "AS Place, StripNumbers.StripName, "
            "trim(trim(ifnull(Roster.FName,'')) || ' ' || trim(ifnull(Roster.LName,''))) AS Name, "
            "Teams.Abbreviation, Roster.Excluded, trim(ifnull(Roster.FName,'')) "
            "FROM StripNumbers JOIN Schedule ON StripNumbers.StripSet = Schedule.Stripset "
            "JOIN Roster ON StripNumbers.Weapon = Roster.Weapon "
            "JOIN Teams ON Teams.Team = Roster.Team "
            "WHERE Schedule.Round=0 AND (?1 < 0 OR Schedule.Stripset=?1) AND Roster.Weapon=?2 "
            "AND Schedule.Group1<>Schedule.Group2 "
            "AND (Roster.\"Group\"=Schedule.Group1 OR Roster.\"Group\"=Schedule.Group2) "
            "ORDER BY Schedule.Stripset, Place"),
        {request.stripSet, request.event.weapon});
    GridSheet sheet;
    designPoolSheet(sheet);
    const GridSheet blank = sheet;
    int current = -1;
    QString stripText;
    while (rows.next()) {
        const int stripSet = rows.toInt(0);
        if (stripSet != current) {
            if (current >= 0) {
                finishPoolSheet(sheet, request, current, stripText, sheets);
            }
            sheet = blank;
            current = stripSet;
        }
        const int place = rows.toInt(1);
        if (place < 0 || place > 5) {
            continue;
        }
        const int row = kFirstPlaceRow + place;
        const bool excluded = rows.toInt(5) != 0;
        const QString name = rows.toText(3);
        if (excluded) {
            sheet.setText(kNameColumn, row, QStringLiteral("EXCLUDED"));
        } else {
            sheet.setText(kNameColumn, row, name, PersonName::WithInitials(name, rows.toText(6)));
        }
        sheet.setText(kSchoolColumn, row, excluded ? QString() : rows.toText(4));
        stripText = QStringLiteral("Strip ") + rows.toText(2).trimmed();
    }
    if (!rows.ok()) {
        sheets.clear();
        return Status::failure(rows.errorString());
    }
    if (current >= 0) {
        finishPoolSheet(sheet, request, current, stripText, sheets);
    }
    return Status::success();
}

}  // namespace Scoresheets
