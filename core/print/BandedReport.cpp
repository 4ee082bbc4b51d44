#include "print/BandedReport.h"

bool BandedReport::setLabel(const QString& name, const QString& caption,
                            const QString& shortCaption) {
    return forEachNamed(name, [&](ReportElement& e) {
        e.text = caption;
        e.shortText = shortCaption;
    });
}

bool BandedReport::setVisible(const QString& name, bool visible) {
    return forEachNamed(name, [&](ReportElement& e) { e.visible = visible; });
}

bool BandedReport::setTop(const QString& name, double top) {
    return forEachNamed(name, [&](ReportElement& e) { e.top = top; });
}

ReportSection* BandedReport::section(const QString& name) {
    for (ReportSection* s : allSections()) {
        if (s->name == name) {
            return s;
        }
    }
    return nullptr;
}

QList<ReportSection*> BandedReport::allSections() {
    QList<ReportSection*> sections{&m_reportHeader, &m_pageHeader, &m_pageFooter, &m_detail};
    for (Group& group : m_groups) {
        sections << &group.header << &group.footer;
    }
    return sections;
}

bool BandedReport::forEachNamed(const QString& name,
                                const std::function<void(ReportElement&)>& change) {
    bool found = false;
    for (ReportSection* s : allSections()) {
        for (ReportElement& e : s->elements) {
            if (e.name == name) {
                change(e);
                found = true;
            }
        }
    }
    return found;
}
