#include "standings/StandingsGridFiller.h"

#include <QHeaderView>
#include <QTableWidget>

namespace {

void prepare(QTableWidget* grid, const QStringList& headers, const QList<int>& widths) {
    grid->setColumnCount(static_cast<int>(headers.size()));
    grid->setHorizontalHeaderLabels(headers);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setAlternatingRowColors(true);
    grid->verticalHeader()->setVisible(false);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    grid->horizontalHeader()->setHighlightSections(false);
    for (int c = 0; c < widths.size(); ++c) {
        grid->setColumnWidth(c, widths[c]);
    }
}

void put(QTableWidget* grid, int row, int column, const QString& text,
         Qt::Alignment alignment = Qt::AlignRight | Qt::AlignVCenter) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment);
    grid->setItem(row, column, item);
}

const Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;

}  // namespace

QStringList StandingsGridFiller::IndividualHeaders() {
    return {"Place", "Name",         "School",  "V/B",      "Pct.",     "TS", "TR",
            "Ind",   "FencerNumber", "GridRow", "Advanced", "HTMLName", "V"};
}

void StandingsGridFiller::PrepareIndividual(QTableWidget* grid) {
    prepare(grid, IndividualHeaders(), {64, 230, 170, 56, 60, 46, 46, 50});
    for (int c = kFirstWorkingColumn; c < grid->columnCount(); ++c) {
        grid->setColumnHidden(c, true);
    }
}

void StandingsGridFiller::PrepareSchools(QTableWidget* grid,
                                         const QStringList& eventAbbreviations) {
    prepare(grid, QStringList({"Place", "School", "Total", "Left"}) + eventAbbreviations,
            {64, 300, 56, 50, 44, 44, 44, 44, 44, 44});
}

void StandingsGridFiller::FillIndividual(QTableWidget* grid,
                                         const std::vector<LiveStandingsRow>& rows) {
    grid->clearContents();
    grid->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const LiveStandingsRow& row = rows[static_cast<size_t>(r)];
        put(grid, r, 0, row.PlaceText, kLeft);
        put(grid, r, 1, row.Name, kLeft);
        put(grid, r, 2, row.School, kLeft);
        put(grid, r, 3, row.VOverBouts());
        put(grid, r, 4, QString::number(row.Pct, 'f', 3));
        put(grid, r, 5, QString::number(row.TS));
        put(grid, r, 6, QString::number(row.TR));
        put(grid, r, 7, row.IndText());
        put(grid, r, 8, QString::number(row.FencerNumber));
        put(grid, r, 9, QString::number(row.GridRow));
        put(grid, r, 10, row.Advanced ? QStringLiteral("-1") : QStringLiteral("0"));
        put(grid, r, 11, row.HTMLName, kLeft);
        put(grid, r, 12, QString::number(row.V));
    }
}

void StandingsGridFiller::FillSchools(QTableWidget* grid,
                                      const std::vector<TeamStandingsRow>& rows) {
    grid->clearContents();
    grid->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const TeamStandingsRow& row = rows[static_cast<size_t>(r)];
        put(grid, r, 0, row.PlaceText, kLeft);
        put(grid, r, 1, row.School, kLeft);
        put(grid, r, 2, QString::number(row.Total));
        put(grid, r, 3, QString::number(row.Left));
        for (size_t e = 0; e < row.Events.size(); ++e) {
            const std::optional<int>& v = row.Events[e];
            put(grid, r, 4 + static_cast<int>(e), v ? QString::number(*v) : QString());
        }
    }
}
