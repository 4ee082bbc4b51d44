#include "standings/TitleRacePanel.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column { School, Points, Left, Max, CanWin, ColumnCount };

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

TitleRacePanel::TitleRacePanel(QWidget* parent) : QGroupBox(QStringLiteral("Title Race"), parent) {
    setObjectName(QStringLiteral("gbTitleRace"));
    m_table = new QTableWidget(0, ColumnCount, this);
    m_table->setObjectName(QStringLiteral("fpTitleRace"));
    m_table->setHorizontalHeaderLabels({QStringLiteral("School"), QStringLiteral("Pts"),
                                        QStringLiteral("Left"), QStringLiteral("Max"),
                                        QStringLiteral("Can Win")});
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->setWordWrap(false);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->horizontalHeader()->setSectionResizeMode(School, QHeaderView::Stretch);
    for (int column = Points; column < ColumnCount; ++column) {
        m_table->horizontalHeader()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    m_table->setToolTip(QStringLiteral(
        "Left: bouts still to fence in which the school can score. Max: the most points it can "
        "still reach. Can Win: its maximum reaches the leader's points."));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_table);
}

void TitleRacePanel::fill(const std::vector<TitleRaceRow>& rows) {
    m_table->setRowCount(static_cast<int>(rows.size()));
    const Qt::Alignment right = Qt::AlignRight;
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const TitleRaceRow& row = rows[static_cast<size_t>(r)];
        const bool out = !row.contender;
        m_table->setItem(r, School, item(row.school, Qt::AlignLeft, out));
        m_table->setItem(r, Points, item(QString::number(row.points), right, out));
        m_table->setItem(r, Left, item(QString::number(row.left), right, out));
        m_table->setItem(r, Max, item(QString::number(row.max()), right, out));
        m_table->setItem(r, CanWin,
                         item(row.contender ? QStringLiteral("Yes") : QStringLiteral("No"),
                              Qt::AlignCenter, out));
    }
}
