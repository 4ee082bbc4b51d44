#include "roster/RosterGrid.h"

#include "roster/GridCellDelegate.h"
#include "roster/RosterStatus.h"

#include <QHeaderView>
#include <QKeyEvent>

RosterGrid::RosterGrid(QWidget* parent) : QTableWidget(24, ColumnCount, parent) {
    setObjectName(QStringLiteral("fpRoster"));
    setHorizontalHeaderLabels(
        {QStringLiteral("First Name"), QStringLiteral("Last Name"), QStringLiteral("School"),
         QStringLiteral("Excluded"), QStringLiteral("Add'l Text"), QStringLiteral("HTML Name"),
         QStringLiteral("FencerNumber"), QStringLiteral("TeamCode"), QStringLiteral("Changes?")});
    for (int c = FencerNumber; c < ColumnCount; ++c) {
        setColumnHidden(c, true);
    }
    m_schoolDelegate = new GridCellDelegate(QStringList(), this);
    setItemDelegateForColumn(FirstName, new GridCellDelegate(50, this));
    setItemDelegateForColumn(LastName, new GridCellDelegate(50, this));
    setItemDelegateForColumn(School, m_schoolDelegate);
    setItemDelegateForColumn(Excluded, new GridCellDelegate(RosterStatus::Entries(), this));
    setItemDelegateForColumn(AddlText, new GridCellDelegate(30, this));
    setItemDelegateForColumn(HtmlName, new GridCellDelegate(150, this));
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(true);
    const int widths[] = {140, 160, 90, 80, 150, 200};
    for (int c = 0; c < 6; ++c) {
        setColumnWidth(c, widths[c]);
    }
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    for (int r = 0; r < rowCount(); ++r) {
        for (int c = 0; c < ColumnCount; ++c) {
            setItem(r, c, new QTableWidgetItem);
        }
    }
    connect(this, &QTableWidget::cellChanged, this, &RosterGrid::onCellChanged);
}

void RosterGrid::setSchools(const SchoolList& schools) {
    m_schools = schools;
    m_schoolEntries.clear();
    for (const SchoolList::School& school : schools.schools()) {
        m_schoolEntries << school.abbreviation;
    }
    m_schoolDelegate->setEntries(m_schoolEntries);
}

void RosterGrid::setText(int row, int column, const QString& value) {
    item(row, column)->setText(value);
}

QString RosterGrid::text(int row, int column) const {
    return item(row, column)->text();
}

void RosterGrid::selectEntry(int row, int column, int index, const QStringList& entries) {
    QTableWidgetItem* cell = item(row, column);
    cell->setData(Qt::UserRole, index < 0 ? QVariant() : QVariant(index));
    cell->setText(index >= 0 && index < entries.size() ? entries[index] : QString());
}

void RosterGrid::setRows(const std::vector<RosterRow>& rows) {
    m_loading = true;
    for (int r = 0; r < rowCount(); ++r) {
        const RosterRow row =
            r < static_cast<int>(rows.size()) ? rows[static_cast<size_t>(r)] : RosterRow();
        setText(r, FirstName, row.first);
        setText(r, LastName, row.last);
        selectEntry(r, School, m_schools.indexOfTeam(row.team), m_schoolEntries);
        selectEntry(r, Excluded, row.status, RosterStatus::Entries());
        setText(r, AddlText, row.addl);
        setText(r, HtmlName, row.html);
        setText(r, FencerNumber,
                row.fencerNumber < 0 ? QString() : QString::number(row.fencerNumber));
        setText(r, TeamCode, QString::number(row.team));
        setText(r, Changes, QString());
    }
    m_loading = false;
}

std::vector<RosterRow> RosterGrid::rows() const {
    std::vector<RosterRow> out;
    for (int r = 0; r < rowCount(); ++r) {
        RosterRow row;
        bool numbered = false;
        row.fencerNumber = text(r, FencerNumber).toInt(&numbered);
        if (!numbered) {
            continue;
        }
        row.first = text(r, FirstName);
        row.last = text(r, LastName);
        row.team = text(r, TeamCode).toInt();
        row.status = item(r, Excluded)->data(Qt::UserRole).toInt();
        row.addl = text(r, AddlText);
        row.html = text(r, HtmlName);
        row.changed = !text(r, Changes).isEmpty();
        out.push_back(row);
    }
    return out;
}

void RosterGrid::commitEdit() {
    if (QWidget* editor = indexWidget(currentIndex()); editor && state() == EditingState) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void RosterGrid::showWebNames(const std::vector<RosterRow>& rows) {
    m_loading = true;
    for (int r = 0; r < rowCount() && r < static_cast<int>(rows.size()); ++r) {
        setText(r, HtmlName, rows[static_cast<size_t>(r)].html);
    }
    m_loading = false;
}

void RosterGrid::onCellChanged(int row, int column) {
    if (m_loading || column >= FencerNumber) {
        return;
    }
    m_loading = true;
    if (column == School) {
        const int index = item(row, School)->data(Qt::UserRole).toInt();
        setText(row, TeamCode,
                QString::number(SchoolList::NumberFromLastFive(m_schools.entryText(index))));
    }
    setText(row, Changes, QStringLiteral("1"));
    m_loading = false;
    emit cellEdited(column + 1, row + 1);
}

// Enter moves on like Tab, and never reaches the window's buttons; Delete empties a text cell.
void RosterGrid::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && state() != QAbstractItemView::EditingState) {
        QKeyEvent tab(QEvent::KeyPress,
                      event->modifiers() & Qt::ShiftModifier ? Qt::Key_Backtab : Qt::Key_Tab,
                      Qt::NoModifier);
        QTableWidget::keyPressEvent(&tab);
        event->accept();
        return;
    }
    const int column = currentColumn();
    if (event->key() == Qt::Key_Delete && column != School && column != Excluded && currentItem()) {
        currentItem()->setText(QString());
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}
