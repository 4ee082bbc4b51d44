#include "print/TwoBlockSheet.h"

#include <algorithm>

TwoBlockSheet::TwoBlockSheet(GridSheet& sheet) : m_sheet(sheet) {
    for (int column : {1, 4}) {
        m_sheet.formatBlock(column, 1, column, m_sheet.rowCount(),
                            [](GridSheet::Cell& cell) { cell.align = TextAlign::Right; });
    }
}

void TwoBlockSheet::heading(const QString& text) {
    ++m_sections;
    if (m_sections == 5) {
        m_column = 4;
        m_row = m_firstHeadingRow - 1;
    } else if (m_sections == 1) {
        m_firstHeadingRow = m_row + 1;
    }
    GridSheet::Cell& cell = m_sheet.at(m_column, m_row + 1);
    cell.text = text;
    cell.font.bold = true;
    cell.align = TextAlign::Left;
    cell.bottomBorder = true;
    m_sheet.at(m_column + 1, m_row + 1).bottomBorder = true;
    m_lastRow = std::max(m_lastRow, m_row + 1);
    m_row += 2;
}

void TwoBlockSheet::line(const QString& right, const QString& left, const QString& leftShort) {
    m_sheet.setText(m_column, m_row, right);
    m_sheet.setText(m_column + 1, m_row, left, leftShort);
    m_lastRow = std::max(m_lastRow, m_row);
    ++m_row;
}

void TwoBlockSheet::finish() {
    m_sheet.setRowCount(m_lastRow);
}
