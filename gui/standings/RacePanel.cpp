#include "standings/RacePanel.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QTableWidgetItem* item(const QString& text, Qt::Alignment alignment, bool out) {
    auto* cell = new QTableWidgetItem(text);
    cell->setTextAlignment(alignment | Qt::AlignVCenter);
    cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (out) {
        cell->setForeground(Qt::darkGray);
    }
    return cell;
}

}  // namespace

RacePanel::RacePanel(const QString& title, const QString& tableName, const QStringList& headers,
                     const QString& toolTip, QWidget* parent)
    : QGroupBox(title, parent) {
    m_table = new QTableWidget(0, static_cast<int>(headers.size()), this);
    m_table->setObjectName(tableName);
    m_table->setHorizontalHeaderLabels(headers);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->setWordWrap(false);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column < headers.size(); ++column) {
        m_table->horizontalHeader()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    m_table->setToolTip(toolTip);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_table);
}

void RacePanel::fill(const std::vector<Line>& lines) {
    m_table->setRowCount(static_cast<int>(lines.size()));
    const int last = m_table->columnCount() - 1;
    for (int r = 0; r < static_cast<int>(lines.size()); ++r) {
        const Line& line = lines[static_cast<size_t>(r)];
        for (int c = 0; c <= last && c < line.cells.size(); ++c) {
            const Qt::Alignment alignment = c == 0      ? Qt::AlignLeft
                                            : c == last ? Qt::AlignCenter
                                                        : Qt::AlignRight;
            m_table->setItem(r, c, item(line.cells[c], alignment, line.out));
        }
    }
}
