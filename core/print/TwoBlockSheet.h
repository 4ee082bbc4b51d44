#pragma once

#include "print/GridSheet.h"

// Fills a sheet as two blocks side by side: the first four headed sections down the left
// (columns 1 and 2), the rest down the right (columns 4 and 5) starting level with the first,
// column 3 a gutter. The group and schedule sheets are laid out this way.
class TwoBlockSheet final {
public:
    explicit TwoBlockSheet(GridSheet& sheet);

    // Starts a section: a bold heading underlined across its two columns.
    void heading(const QString& text);
    // One line of the current section: a right-aligned text and a left-aligned one, with the
    // left one's short form when it names a fencer.
    void line(const QString& right, const QString& left, const QString& leftShort = QString());
    // Sets the sheet's row count to the last row written.
    void finish();

private:
    GridSheet& m_sheet;
    int m_row = 0;
    int m_column = 1;
    int m_sections = 0;
    int m_firstHeadingRow = 0;
    int m_lastRow = 0;
};
