#include "print/GridSheet.h"

GridSheet::GridSheet(int columns, int rows) : m_columns(columns), m_rows(rows) {}

QString GridSheet::text(int column, int row) const {
    const auto it = m_cells.find({row, column});
    return it == m_cells.end() ? QString() : it->second.text;
}

void GridSheet::setText(int column, int row, const QString& text, const QString& shortText) {
    Cell& cell = at(column, row);
    cell.text = text;
    cell.shortText = shortText;
}

GridSheet::Cell GridSheet::cell(int column, int row) const {
    const auto it = m_cells.find({row, column});
    if (it != m_cells.end()) {
        return it->second;
    }
    Cell blank;
    blank.font = m_defaultFont;
    return blank;
}

GridSheet::Cell& GridSheet::at(int column, int row) {
    auto [it, added] = m_cells.try_emplace({row, column});
    if (added) {
        it->second.font = m_defaultFont;
    }
    return it->second;
}

void GridSheet::formatBlock(int column1, int row1, int column2, int row2,
                            const std::function<void(Cell&)>& change) {
    for (int row = row1; row <= row2; ++row) {
        for (int column = column1; column <= column2; ++column) {
            change(at(column, row));
        }
    }
}

void GridSheet::clearText() {
    for (auto& [key, cell] : m_cells) {
        cell.text.clear();
        cell.shortText.clear();
    }
}

int GridSheet::lastTextRow() const {
    for (auto it = m_cells.rbegin(); it != m_cells.rend(); ++it) {
        if (!it->second.text.isEmpty()) {
            return it->first.first;
        }
    }
    return 0;
}

double GridSheet::columnWidth(int column) const {
    const auto it = m_columnWidths.find(column);
    return it == m_columnWidths.end() ? 0 : it->second;
}

double GridSheet::rowHeight(int row) const {
    const auto it = m_rowHeights.find(row);
    return it == m_rowHeights.end() ? 0 : it->second;
}

QString GridSheet::columnHeader(int column) const {
    const auto it = m_columnHeaders.find(column);
    return it == m_columnHeaders.end() ? QString() : it->second;
}

void GridSheet::setColumnHidden(int column, bool hidden) {
    if (hidden) {
        m_hiddenColumns.insert(column);
    } else {
        m_hiddenColumns.erase(column);
    }
}
