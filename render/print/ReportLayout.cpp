#include "print/ReportLayout.h"

#include "print/PageFrame.h"
#include "print/TextMeasure.h"

#include <algorithm>
#include <vector>

namespace ReportLayout {

namespace {

using Chain = std::vector<const ReportRecord*>;

constexpr double kSmallestShrink = 0.7;

class Layouter final {
public:
    Layouter(const BandedReport& report, const QPageSize& paper) : m_report(report) {
        m_doc.jobName = report.jobName();
        m_doc.paper = paper;
        m_doc.landscape = report.landscape();
        m_doc.copies = report.copies();
        const QSizeF size = m_doc.pageSize();
        m_left = report.leftMargin();
        m_bottom = size.height() - PageFrame::kBottomMargin;
    }

    PrintDocument run() {
        startPage(true);
        Chain chain;
        placeLevel(m_report.records(), 0, chain);
        m_doc.pages.append(m_page);
        numberPages();
        return m_doc;
    }

private:
    // The report header opens the first page, above the page header, as its title.
    void startPage(bool first = false) {
        m_page = PrintDocument::Page();
        m_y = PageFrame::kTopMargin;
        const Chain none;
        const ReportSection& footer = m_report.pageFooter();
        const double footerHeight = footer.isEmpty() ? 0 : footer.height;
        m_bodyBottom = m_bottom - footerHeight;
        if (!footer.isEmpty()) {
            draw(footer, m_bodyBottom, none);
        }
        if (first && !m_report.reportHeader().isEmpty()) {
            draw(m_report.reportHeader(), m_y, none);
            m_y += m_report.reportHeader().height;
        }
        if (!m_report.pageHeader().isEmpty()) {
            draw(m_report.pageHeader(), m_y, none);
            m_y += m_report.pageHeader().height;
        }
        m_bodyOnPage = false;
    }

    void newPage() {
        m_doc.pages.append(m_page);
        startPage();
    }

    const ReportSection& opening(int depth) const {
        return depth < m_report.groups().size() ? m_report.groups()[depth].header
                                                : m_report.detail();
    }

    void placeLevel(const QList<ReportRecord>& records, int depth, Chain& chain) {
        for (const ReportRecord& record : records) {
            chain.push_back(&record);
            if (depth < m_report.groups().size()) {
                const BandedReport::Group& group = m_report.groups()[depth];
                double keep = 0;
                if (!record.children.isEmpty() && !opening(depth + 1).isEmpty()) {
                    keep = opening(depth + 1).height;
                }
                place(group.header, chain, keep);
                placeLevel(record.children, depth + 1, chain);
                place(group.footer, chain);
            } else {
                place(m_report.detail(), chain);
            }
            chain.pop_back();
        }
    }

    void place(const ReportSection& section, const Chain& chain, double keepWith = 0) {
        if (section.isEmpty()) {
            return;
        }
        const bool full = m_y + section.height + keepWith > m_bodyBottom;
        if (m_bodyOnPage && (section.newPageBefore || full)) {
            newPage();
        }
        draw(section, m_y, chain);
        m_y += section.height;
        m_bodyOnPage = true;
    }

    static QString fieldValue(const QString& column, const Chain& chain) {
        for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
            const auto found = (*it)->values.constFind(column);
            if (found != (*it)->values.constEnd()) {
                return *found;
            }
        }
        return QString();
    }

    void draw(const ReportSection& section, double top, const Chain& chain) {
        for (const ReportElement& e : section.elements) {
            if (!e.visible) {
                continue;
            }
            const QRectF rect(m_left + e.left, top + e.top, e.width, e.height);
            switch (e.kind) {
                case ReportElement::Kind::Line:
                    m_page.lines.append({rect.topLeft(), rect.topRight(), e.penWidth});
                    break;
                case ReportElement::Kind::Box:
                    m_page.boxes.append({rect, e.penWidth, e.shade});
                    break;
                case ReportElement::Kind::Label:
                case ReportElement::Kind::Field:
                    drawText(e, rect, chain);
                    break;
            }
        }
    }

    void drawText(const ReportElement& e, QRectF rect, const Chain& chain) {
        const QString text =
            e.kind == ReportElement::Kind::Field ? fieldValue(e.text, chain) : e.text;
        if (text.isEmpty()) {
            return;
        }
        PrintFont font = e.font;
        double width = TextMeasure::Width(font, text);
        if (rect.width() <= 0) {
            rect.setWidth(width);
        } else if (width > rect.width()) {
            // A long name prints a little smaller rather than over its neighbour.
            // Glyph widths do not scale exactly with the size: leave a little room.
            font.pointSize *= std::max(kSmallestShrink, 0.98 * rect.width() / width);
            width = TextMeasure::Width(font, text);
        }
        const double lh = TextMeasure::LineHeight(font);
        const double baseline = rect.top() + (rect.height() - lh) / 2 + TextMeasure::Ascent(font);
        m_page.texts.append({text, font, rect, e.align, baseline, width});
    }

    void numberPages() {
        const QString count = QString::number(m_doc.pages.size());
        for (qsizetype p = 0; p < m_doc.pages.size(); ++p) {
            for (PrintDocument::Text& t : m_doc.pages[p].texts) {
                if (!t.text.contains(QLatin1Char('%'))) {
                    continue;
                }
                t.text.replace(QLatin1String("%p"), QString::number(p + 1));
                t.text.replace(QLatin1String("%P"), count);
                t.width = TextMeasure::Width(t.font, t.text);
            }
        }
    }

    const BandedReport& m_report;
    PrintDocument m_doc;
    PrintDocument::Page m_page;
    double m_left = 0;
    double m_bottom = 0;
    double m_bodyBottom = 0;
    double m_y = 0;
    bool m_bodyOnPage = false;
};

}  // namespace

PrintDocument Layout(const BandedReport& report, const QPageSize& paper) {
    return Layouter(report, paper).run();
}

}  // namespace ReportLayout
