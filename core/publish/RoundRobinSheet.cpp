#include "publish/RoundRobinSheet.h"

#include "db/ProgramVersion.h"
#include "print/PersonName.h"
#include "publish/RoundRobinTable.h"

namespace RoundRobinSheet {

namespace {

constexpr int kHeadingRow = 1;
constexpr int kPositionColumn = 4;

QString footer() {
    return QStringLiteral("/fn\"Times New Roman\"/fz\"18\"/n/c/fi1/fb1") +
           ProgramVersion::ProductTitle() + QStringLiteral("/n/fz\"14\"/c") +
           ProgramVersion::LegalNotice();
}

void layOut(GridSheet& sheet) {
    sheet.setDefaultFont({QStringLiteral("Arial"), 9});
    sheet.setLandscape(true);
    sheet.setFitToPage(true);
    sheet.setMargins(24, 24);
    sheet.setColumnWidth(1, 120);
    sheet.setColumnWidth(2, 18);
    sheet.setColumnWidth(3, 86);
    sheet.setColumnWidth(kPositionColumn, 16);
    for (int c = kFirstBoutColumn; c < kFirstBoutColumn + RoundRobinTable::kPositions; ++c) {
        sheet.setColumnWidth(c, 21);
    }
    sheet.setColumnWidth(kVColumn - 1, 6);
    for (int c = kVColumn; c <= kPlaceColumn; ++c) {
        sheet.setColumnWidth(c, 24);
    }
    const QStringList headings = {"Name", "FN", "School"};
    for (int c = 1; c <= 3; ++c) {
        sheet.setText(c, kHeadingRow, headings[c - 1]);
    }
    for (int p = 0; p < RoundRobinTable::kPositions; ++p) {
        sheet.setText(kFirstBoutColumn + p, kHeadingRow, QString::number(p + 1));
    }
    const QStringList sums = {"V", "TS", "TR", "Ind", "Pl"};
    for (int c = kVColumn; c <= kPlaceColumn; ++c) {
        sheet.setText(c, kHeadingRow, sums[c - kVColumn]);
    }
    sheet.formatBlock(1, kHeadingRow, kPlaceColumn, kHeadingRow, [](GridSheet::Cell& cell) {
        cell.font.bold = true;
        cell.bottomBorder = true;
        cell.align = TextAlign::Centre;
    });
    // A rule under every group of three keeps the eye on the right line.
    for (int group = 1; group <= 8; ++group) {
        sheet.formatBlock(1, kHeadingRow + 3 * group, kPlaceColumn, kHeadingRow + 3 * group,
                          [](GridSheet::Cell& cell) { cell.bottomBorder = true; });
    }
}

void writeLine(GridSheet& sheet, int row, int position, const RoundRobinTable::Line& line) {
    sheet.setText(1, row, line.Name, PersonName::WithInitials(line.Name, line.GivenName));
    sheet.at(2, row).align = TextAlign::Right;
    sheet.setText(2, row, line.FencerNumber);
    sheet.setText(3, row, line.School);
    sheet.at(kPositionColumn, row).align = TextAlign::Right;
    sheet.setText(kPositionColumn, row, QString::number(position + 1));
    for (int p = 0; p < RoundRobinTable::kPositions; ++p) {
        GridSheet::Cell& cell = sheet.at(kFirstBoutColumn + p, row);
        cell.align = TextAlign::Centre;
        cell.text = line.Bouts[static_cast<size_t>(p)];
        // A fencer never meets himself: his own square is shaded.
        if (p == position) {
            cell.shade = 0xC0C0C0;
        }
    }
    const QStringList sums = {line.V, line.TS, line.TR, line.Ind, line.Place};
    for (int c = kVColumn; c <= kPlaceColumn; ++c) {
        GridSheet::Cell& cell = sheet.at(c, row);
        cell.align = TextAlign::Right;
        cell.text = sums[c - kVColumn];
    }
}

}  // namespace

Status Build(const Database& db, const SheetEvent& event, const QString& progressText,
             const PlaceOf& placeOf, int copies, GridSheet& sheet) {
    RoundRobinTable table;
    if (Status built = RoundRobinTable::Build(db, event.weapon, placeOf, table); !built) {
        return built;
    }
    sheet = GridSheet(kPlaceColumn, kHeadingRow + RoundRobinTable::kPositions);
    layOut(sheet);
    sheet.setHeader(event.titleMarkup() + QStringLiteral("/n/n/c/fz\"16\"") +
                    RoundRobinTable::Title(progressText) + QStringLiteral("/n/n"));
    sheet.setFooter(footer());
    sheet.setJobName(QStringLiteral("ORLE Results - ") + event.name);
    sheet.setCopies(copies);
    for (int p = 0; p < RoundRobinTable::kPositions; ++p) {
        writeLine(sheet, kHeadingRow + 1 + p, p, table.lines()[static_cast<size_t>(p)]);
    }
    return Status::success();
}

}  // namespace RoundRobinSheet
