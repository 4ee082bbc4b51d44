#include "print/SheetLayout.h"

#include "print/ColumnFit.h"
#include "print/PageFrame.h"
#include "print/PrintMarkup.h"
#include "print/TextFit.h"
#include "print/TextMeasure.h"

#include <algorithm>
#include <vector>

namespace SheetLayout {

namespace {

constexpr double kCellPadding = 3;
constexpr double kRowPadding = 2;
constexpr double kEmptyColumnWidth = 24;
constexpr double kBorderWidth = 0.75;
// Rounding must not push the last row of a fitted sheet onto a page of its own.
constexpr double kTolerance = 0.01;
// Keeps the last rows clear of the footer.
constexpr double kFooterGap = 12;
constexpr double kGridLineWidth = 0.5;
constexpr int kHeaderShade = 0xE0E0E0;

struct Block {
    QList<PrintMarkup::Line> lines;
    double height = 0;
};

double lineHeight(const PrintMarkup::Line& line) {
    double height = line.runs.isEmpty() ? TextMeasure::LineHeight(line.font) : 0;
    for (const PrintMarkup::Run& run : line.runs) {
        height = std::max(height, TextMeasure::LineHeight(run.font));
    }
    return height;
}

Block parseBlock(const QString& markup, const PrintFont& font) {
    Block block{PrintMarkup::Parse(markup, font)};
    for (const PrintMarkup::Line& line : block.lines) {
        block.height += lineHeight(line);
    }
    return block;
}

// Places a header or footer with its top at `top`, across `width` points from x = 0.
void placeBlock(const Block& block, double top, double width, PrintDocument::Page& page) {
    for (const PrintMarkup::Line& line : block.lines) {
        const double height = lineHeight(line);
        double ascent = 0;
        double total = 0;
        for (const PrintMarkup::Run& run : line.runs) {
            ascent = std::max(ascent, TextMeasure::Ascent(run.font));
            total += TextMeasure::Width(run.font, run.text);
        }
        double x = line.centred ? (width - total) / 2 : 0;
        for (const PrintMarkup::Run& run : line.runs) {
            const double w = TextMeasure::Width(run.font, run.text);
            page.texts.append({run.text, run.font, QRectF(x, top, w, height), TextAlign::Left,
                               top + ascent, w, TextMeasure::Ascent(run.font),
                               TextMeasure::Descent(run.font)});
            x += w;
        }
        top += height;
    }
}

class Layouter final {
public:
    Layouter(const GridSheet& sheet, const QPageSize& paper) : m_sheet(sheet) {
        m_doc.jobName = sheet.jobName();
        m_doc.paper = paper;
        m_doc.landscape = sheet.landscape();
        m_doc.copies = sheet.copies();
    }

    PrintDocument run() {
        const QSizeF paper = m_doc.pageSize();
        const double width = paper.width() - m_sheet.leftMargin() - m_sheet.rightMargin();
        const double height = paper.height() - PageFrame::kTopMargin - PageFrame::kBottomMargin;
        m_header = parseBlock(m_sheet.header(), m_sheet.defaultFont());
        m_footer = parseBlock(m_sheet.footer(), m_sheet.defaultFont());
        measureGrid();
        // A sheet scaled onto one page first shrinks for its height; its columns then share
        // the width that is left at that scale.
        const double tallScale = m_sheet.fitToPage() ? heightScale(height) : 1.0;
        fitColumns(width / tallScale);
        const double scale = std::min(tallScale, width / std::max(gridWidth(), 1.0));
        m_smallestSize = TextFit::kSmallestSize / scale;
        paginate(width / scale, height / scale);
        for (PrintDocument::Page& page : m_doc.pages) {
            place(page, scale, QPointF(m_sheet.leftMargin(), PageFrame::kTopMargin));
        }
        return m_doc;
    }

private:
    // Row heights, and for every column the least width it is given and the width its
    // longest text wants.
    void measureGrid() {
        const int columns = m_sheet.columnCount();
        m_leastWidths.assign(columns + 1, 0.0);
        m_wantedWidths.assign(columns + 1, 0.0);
        m_rowHeights.assign(m_sheet.rowCount() + 1, 0.0);
        const double plain = TextMeasure::LineHeight(m_sheet.defaultFont()) + kRowPadding;
        for (int r = 1; r <= m_sheet.rowCount(); ++r) {
            double natural = plain;
            for (int c = 1; c <= columns; ++c) {
                const GridSheet::Cell cell = m_sheet.cell(c, r);
                if (!cell.text.isEmpty()) {
                    natural = std::max(natural, TextMeasure::LineHeight(cell.font) + kRowPadding);
                    want(c, cell);
                }
            }
            m_rowHeights[r] = m_sheet.rowHeight(r) > 0 ? m_sheet.rowHeight(r) : natural;
        }
        const GridSheet::Cell heading = headerCell(0);
        m_headerRowHeight =
            m_sheet.printColumnHeaders() ? TextMeasure::LineHeight(heading.font) + kRowPadding : 0;
        for (int c = 1; c <= columns; ++c) {
            if (m_sheet.printColumnHeaders()) {
                want(c, headerCell(c));
            }
            // A column without a width of its own is at least as wide as an empty one, or
            // as its text when that is narrower.
            const double given = m_sheet.columnWidth(c);
            const bool empty = m_wantedWidths[c] <= 0;
            m_leastWidths[c] = given > 0 ? given
                               : empty   ? kEmptyColumnWidth
                                         : std::min(kEmptyColumnWidth, m_wantedWidths[c]);
            m_wantedWidths[c] = std::max(m_wantedWidths[c], m_leastWidths[c]);
            if (m_sheet.columnHidden(c)) {
                m_leastWidths[c] = m_wantedWidths[c] = 0;
            }
        }
    }

    void want(int column, const GridSheet::Cell& cell) {
        const double w = TextMeasure::Width(cell.font, cell.text) + 2 * kCellPadding;
        m_wantedWidths[column] = std::max(m_wantedWidths[column], w);
    }

    void fitColumns(double room) {
        const std::vector<double> least(m_leastWidths.begin() + 1, m_leastWidths.end());
        const std::vector<double> wanted(m_wantedWidths.begin() + 1, m_wantedWidths.end());
        const std::vector<double> widths = ColumnFit::Fit(least, wanted, room);
        m_columnWidths.assign(1, 0.0);
        m_columnWidths.insert(m_columnWidths.end(), widths.begin(), widths.end());
    }

    // How a column header prints: bold, centred, on a grey band.
    GridSheet::Cell headerCell(int column) const {
        GridSheet::Cell cell;
        cell.text = m_sheet.columnHeader(column);
        cell.font = m_sheet.defaultFont();
        cell.font.bold = true;
        cell.align = TextAlign::Centre;
        cell.shade = kHeaderShade;
        cell.bottomBorder = true;
        return cell;
    }

    double gridWidth() const {
        double total = 0;
        for (std::size_t c = 1; c < m_columnWidths.size(); ++c) {
            total += m_columnWidths[c];
        }
        return total;
    }

    double heightScale(double height) const {
        double rows = 0;
        for (std::size_t r = 1; r < m_rowHeights.size(); ++r) {
            rows += m_rowHeights[r];
        }
        const double tall =
            m_header.height + m_headerRowHeight + rows + kFooterGap + m_footer.height;
        return std::min(1.0, height / std::max(tall, 1.0));
    }

    // Lays the pages out at full size in a frame `width` by `height` from (0, 0).
    void paginate(double width, double height) {
        const double left = std::max(0.0, (width - gridWidth()) / 2);
        const double bodyBottom = height - m_footer.height - kFooterGap;
        PrintDocument::Page page = newPage(width, height, left);
        double y = m_header.height + m_headerRowHeight;
        bool rowsOnPage = false;
        for (int r = 1; r <= m_sheet.rowCount(); ++r) {
            const bool full = y + m_rowHeights[r] > bodyBottom + kTolerance;
            if (rowsOnPage && (full || m_sheet.pageBreakBefore(r))) {
                m_doc.pages.append(page);
                page = newPage(width, height, left);
                y = m_header.height + m_headerRowHeight;
            }
            placeRow(r, left, y, page);
            y += m_rowHeights[r];
            // Blank rows alone do not hold a page open, so a break never leaves it empty.
            rowsOnPage = rowsOnPage || rowHasContent(r);
        }
        m_doc.pages.append(page);
    }

    bool rowHasContent(int row) const {
        for (int c = 1; c <= m_sheet.columnCount(); ++c) {
            const GridSheet::Cell cell = m_sheet.cell(c, row);
            if (!cell.text.isEmpty() || cell.bottomBorder || cell.shade >= 0) {
                return true;
            }
        }
        return false;
    }

    PrintDocument::Page newPage(double width, double height, double gridLeft) const {
        PrintDocument::Page page;
        placeBlock(m_header, 0, width, page);
        placeBlock(m_footer, height - m_footer.height, width, page);
        if (m_sheet.printColumnHeaders()) {
            double x = gridLeft;
            for (int c = 1; c <= m_sheet.columnCount(); ++c) {
                placeCell(headerCell(c),
                          QRectF(x, m_header.height, m_columnWidths[c], m_headerRowHeight), page);
                x += m_columnWidths[c];
            }
        }
        return page;
    }

    void placeRow(int row, double x, double y, PrintDocument::Page& page) const {
        for (int c = 1; c <= m_sheet.columnCount(); ++c) {
            placeCell(m_sheet.cell(c, row), QRectF(x, y, m_columnWidths[c], m_rowHeights[row]),
                      page);
            x += m_columnWidths[c];
        }
    }

    void placeCell(const GridSheet::Cell& cell, const QRectF& rect,
                   PrintDocument::Page& page) const {
        if (rect.width() <= 0) {
            return;
        }
        if (cell.shade >= 0 || m_sheet.gridLines()) {
            page.boxes.append({rect, m_sheet.gridLines() ? kGridLineWidth : 0, cell.shade});
        }
        if (cell.bottomBorder) {
            page.lines.append({rect.bottomLeft(), rect.bottomRight(), kBorderWidth});
        }
        if (!cell.text.isEmpty()) {
            const QRectF box = rect.adjusted(kCellPadding, 0, -kCellPadding, 0);
            const TextFit::Fitted fitted =
                TextFit::Fit(cell.text, cell.shortText, cell.font, box.width(), m_smallestSize);
            const double lh = TextMeasure::LineHeight(fitted.font);
            const double ascent = TextMeasure::Ascent(fitted.font);
            const double baseline = rect.top() + (rect.height() - lh) / 2 + ascent;
            page.texts.append({fitted.text, fitted.font, box, cell.align, baseline, fitted.width,
                               ascent, TextMeasure::Descent(fitted.font)});
        }
    }

    // Moves a page laid out from (0, 0) at full size to the paper, scaled.
    static void place(PrintDocument::Page& page, double scale, QPointF origin) {
        const auto map = [&](QPointF p) { return origin + p * scale; };
        const auto mapRect = [&](const QRectF& r) {
            return QRectF(map(r.topLeft()), r.size() * scale);
        };
        for (PrintDocument::Box& box : page.boxes) {
            box.rect = mapRect(box.rect);
            box.penWidth *= scale;
        }
        for (PrintDocument::Line& line : page.lines) {
            line.from = map(line.from);
            line.to = map(line.to);
            line.penWidth *= scale;
        }
        for (PrintDocument::Text& text : page.texts) {
            text.box = mapRect(text.box);
            text.baseline = origin.y() + text.baseline * scale;
            text.width *= scale;
            text.ascent *= scale;
            text.descent *= scale;
            text.font.pointSize *= scale;
        }
    }

    const GridSheet& m_sheet;
    PrintDocument m_doc;
    Block m_header;
    Block m_footer;
    std::vector<double> m_leastWidths;
    std::vector<double> m_wantedWidths;
    std::vector<double> m_columnWidths;
    std::vector<double> m_rowHeights;
    double m_headerRowHeight = 0;
    double m_smallestSize = TextFit::kSmallestSize;
};

}  // namespace

PrintDocument Layout(const GridSheet& sheet, const QPageSize& paper) {
    return Layouter(sheet, paper).run();
}

}  // namespace SheetLayout
