#pragma once

#include "print/PageSettings.h"
#include "print/PrintFont.h"

#include <QString>
#include <functional>
#include <map>
#include <set>
#include <utility>

// One sheet laid out cell by cell: the texts and formats of a grid of cells, the header and
// footer in the print-header markup, and how the sheet goes to the printer.
//
// Cells are addressed by column and row from 1. A column's width is the least it is given:
// columns widen to their longest text as far as the page allows, and a text that still does
// not fit prints smaller, then in its short form, then cut short. Rows without a height fit
// their largest font. Only rows 1..rowCount() print.
class GridSheet final : public PageSettings {
public:
    struct Cell {
        QString text;
        PrintFont font;
        TextAlign align = TextAlign::Left;
        bool bottomBorder = false;
        // Background as 0xRRGGBB, or -1 for none (white paper).
        int shade = -1;
        // The text with given names as initials, printed when the whole text does not fit its
        // cell even at the smallest size; empty when the text holds no given name.
        QString shortText;
    };

    explicit GridSheet(int columns = 8, int rows = 500);

    int columnCount() const { return m_columns; }
    void setColumnCount(int columns) { m_columns = columns; }
    int rowCount() const { return m_rows; }
    // Printing stops at this row, so nothing below the last filled row prints.
    void setRowCount(int rows) { m_rows = rows; }

    QString text(int column, int row) const;
    // Sets the text and its short form (given names as initials), if it has one.
    void setText(int column, int row, const QString& text, const QString& shortText = QString());
    // The cell as it prints; a cell never touched has the sheet's default format.
    Cell cell(int column, int row) const;
    // The cell for changing its format or text; it is created with the default format.
    Cell& at(int column, int row);
    // Applies `change` to every cell of the block (inclusive corners).
    void formatBlock(int column1, int row1, int column2, int row2,
                     const std::function<void(Cell&)>& change);
    // Empties every text and keeps the formats.
    void clearText();
    // The largest row holding text.
    int lastTextRow() const;

    // The format of cells never touched, and of the texts of the markup before any font code.
    const PrintFont& defaultFont() const { return m_defaultFont; }
    void setDefaultFont(const PrintFont& font) { m_defaultFont = font; }

    // Row 0: the column headers, printed at the top of the grid on every page when asked.
    QString columnHeader(int column) const;
    void setColumnHeader(int column, const QString& text) { m_columnHeaders[column] = text; }
    bool printColumnHeaders() const { return m_printColumnHeaders; }
    void setPrintColumnHeaders(bool print) { m_printColumnHeaders = print; }
    // Thin lines around every printed cell, as on a ruled table.
    bool gridLines() const { return m_gridLines; }
    void setGridLines(bool lines) { m_gridLines = lines; }
    // A hidden column neither prints nor takes room.
    bool columnHidden(int column) const { return m_hiddenColumns.contains(column); }
    void setColumnHidden(int column, bool hidden);

    // Starts a new page at this row, as long as it is not the first row on its page.
    void setPageBreakBefore(int row) { m_pageBreaks.insert(row); }
    bool pageBreakBefore(int row) const { return m_pageBreaks.contains(row); }

    // Widths and heights in points (1/72 inch); 0 means fit the contents.
    double columnWidth(int column) const;
    void setColumnWidth(int column, double points) { m_columnWidths[column] = points; }
    double rowHeight(int row) const;
    void setRowHeight(int row, double points) { m_rowHeights[row] = points; }

    const QString& header() const { return m_header; }
    void setHeader(const QString& markup) { m_header = markup; }
    const QString& footer() const { return m_footer; }
    void setFooter(const QString& markup) { m_footer = markup; }

    // The name the print queue shows, and the name of a PDF written in a printer's stead.
    const QString& jobName() const { return m_jobName; }
    void setJobName(const QString& name) { m_jobName = name; }
    // Scales the whole sheet down so it fits on one page.
    bool fitToPage() const { return m_fitToPage; }
    void setFitToPage(bool fit) { m_fitToPage = fit; }

private:
    using Key = std::pair<int, int>;  // row, column: rows come out in order

    int m_columns;
    int m_rows;
    std::map<Key, Cell> m_cells;
    PrintFont m_defaultFont;
    std::map<int, double> m_columnWidths;
    std::map<int, double> m_rowHeights;
    std::set<int> m_pageBreaks;
    std::map<int, QString> m_columnHeaders;
    std::set<int> m_hiddenColumns;
    bool m_printColumnHeaders = false;
    bool m_gridLines = false;
    QString m_header;
    QString m_footer;
    QString m_jobName;
    bool m_fitToPage = false;
};
