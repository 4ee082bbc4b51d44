#include "print/ReportLayout.h"

#include "print/PageFrame.h"
#include "print/TextFit.h"
#include "print/TextMeasure.h"

#include <algorithm>
#include <vector>

namespace ReportLayout {

namespace {

using Chain = std::vector<const ReportRecord*>;

const QString kContinued = QStringLiteral(" (continued)");

double heightOf(const ReportSection& section) {
    return section.isEmpty() ? 0 : section.height;
}

bool hasControls(const ReportSection& section) {
    return std::any_of(section.elements.begin(), section.elements.end(),
                       [](const ReportElement& e) { return e.visible; });
}

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
        m_groupCount = static_cast<int>(report.groups().size());
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
        m_bodyBottom = m_bottom - heightOf(footer);
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

    // A page that breaks inside groups starts with their headers again, so that no page
    // begins with bare lines: the innermost one says it is continued.
    void breakPage(const Chain& chain, int openGroups) {
        m_doc.pages.append(m_page);
        startPage();
        for (int level = 0; level < openGroups; ++level) {
            const ReportSection& header = m_report.groups()[level].header;
            if (header.isEmpty()) {
                continue;
            }
            const Chain enclosing(chain.begin(), chain.begin() + level + 1);
            draw(header, m_y, enclosing, level == openGroups - 1);
            m_y += header.height;
        }
    }

    const ReportSection& opening(int depth) const {
        return depth < m_groupCount ? m_report.groups()[depth].header : m_report.detail();
    }

    // The height of a record with everything it holds.
    double blockHeight(const ReportRecord& record, int depth) const {
        if (depth >= m_groupCount) {
            return heightOf(m_report.detail());
        }
        const BandedReport::Group& group = m_report.groups()[depth];
        double height = heightOf(group.header) + heightOf(group.footer);
        for (const ReportRecord& child : record.children) {
            height += blockHeight(child, depth + 1);
        }
        return height;
    }

    // The room below the page header of a page continuing the groups above `depth`.
    double freshRoom(int depth) const {
        double room = m_bottom - heightOf(m_report.pageFooter()) - PageFrame::kTopMargin -
                      heightOf(m_report.pageHeader());
        for (int level = 0; level < depth; ++level) {
            room -= heightOf(m_report.groups()[level].header);
        }
        return room;
    }

    // What must go on the page with a group's header: a fencer's whole block when it fits
    // on a page, otherwise the header with the first of what it holds.
    double keepTogether(const ReportRecord& record, int depth) const {
        if (depth >= m_groupCount) {
            return heightOf(m_report.detail());
        }
        if (depth == m_groupCount - 1) {
            const double whole = blockHeight(record, depth);
            if (whole <= freshRoom(depth)) {
                return whole;
            }
        }
        double height = heightOf(m_report.groups()[depth].header);
        if (!record.children.isEmpty()) {
            height += depth + 1 < m_groupCount && !opening(depth + 1).isEmpty()
                          ? keepTogether(record.children.first(), depth + 1)
                          : heightOf(opening(depth + 1));
        }
        return std::min(height, freshRoom(depth));
    }

    void placeLevel(const QList<ReportRecord>& records, int depth, Chain& chain) {
        for (const ReportRecord& record : records) {
            chain.push_back(&record);
            if (depth < m_groupCount) {
                const BandedReport::Group& group = m_report.groups()[depth];
                if (!group.header.isEmpty()) {
                    const bool full = m_y + keepTogether(record, depth) > m_bodyBottom;
                    if (m_bodyOnPage && (group.header.newPageBefore || full)) {
                        breakPage(chain, depth);
                    }
                    put(group.header, chain);
                }
                placeLevel(record.children, depth + 1, chain);
                placeFooter(group.footer, chain, depth + 1);
            } else {
                place(m_report.detail(), chain, depth);
            }
            chain.pop_back();
        }
    }

    void place(const ReportSection& section, const Chain& chain, int openGroups) {
        if (section.isEmpty()) {
            return;
        }
        if (m_bodyOnPage && m_y + section.height > m_bodyBottom) {
            breakPage(chain, openGroups);
        }
        put(section, chain);
    }

    // A footer that is only space is dropped at the foot of a page rather than start one.
    void placeFooter(const ReportSection& footer, const Chain& chain, int openGroups) {
        if (!footer.isEmpty() && m_y + footer.height > m_bodyBottom && !hasControls(footer)) {
            return;
        }
        place(footer, chain, openGroups);
    }

    void put(const ReportSection& section, const Chain& chain) {
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

    void draw(const ReportSection& section, double top, const Chain& chain,
              bool continued = false) {
        bool marked = !continued;
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
                    drawText(e, rect, e.text, e.shortText, QString());
                    break;
                case ReportElement::Kind::Field: {
                    const QString suffix = marked ? QString() : kContinued;
                    marked = true;
                    const QString shortText =
                        e.shortText.isEmpty() ? QString() : fieldValue(e.shortText, chain);
                    drawText(e, rect, fieldValue(e.text, chain), shortText, suffix);
                    break;
                }
            }
        }
    }

    void drawText(const ReportElement& e, QRectF rect, const QString& text,
                  const QString& shortText, const QString& suffix) {
        if (text.isEmpty()) {
            return;
        }
        TextFit::Fitted fitted{text + suffix, e.font, TextMeasure::Width(e.font, text + suffix)};
        if (rect.width() <= 0) {
            rect.setWidth(fitted.width);
        } else {
            fitted =
                TextFit::Fit(text, shortText, e.font, rect.width(), TextFit::kSmallestSize, suffix);
        }
        const double lh = TextMeasure::LineHeight(fitted.font);
        const double ascent = TextMeasure::Ascent(fitted.font);
        const double baseline = rect.top() + (rect.height() - lh) / 2 + ascent;
        m_page.texts.append({fitted.text, fitted.font, rect, e.align, baseline, fitted.width,
                             ascent, TextMeasure::Descent(fitted.font)});
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
    int m_groupCount = 0;
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
