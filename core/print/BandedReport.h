#pragma once

#include "print/PageSettings.h"
#include "print/ReportRecord.h"
#include "print/ReportSection.h"

#include <QList>
#include <QString>
#include <functional>

// A banded report: its sections, its nested records and how it goes to the printer.
//
// Records nest as deep as there are groups plus one: groups()[0] frames each top-level
// record, groups()[1] each of its children, and so on; the records of the innermost level
// print through detail(). The page header and footer print on every page, the report
// header once at the top of the first page. A page that breaks inside a group starts again
// with the headers of the groups it is in, the first field of the innermost one followed by
// "(continued)".
class BandedReport final : public PageSettings {
public:
    // Header and footer of one level of records.
    struct Group {
        ReportSection header;
        ReportSection footer;
    };

    explicit BandedReport(const QString& name = QString()) : m_name(name) {}

    const QString& name() const { return m_name; }
    const QString& jobName() const { return m_jobName.isEmpty() ? m_name : m_jobName; }
    void setJobName(const QString& name) { m_jobName = name; }

    ReportSection& reportHeader() { return m_reportHeader; }
    ReportSection& pageHeader() { return m_pageHeader; }
    ReportSection& pageFooter() { return m_pageFooter; }
    ReportSection& detail() { return m_detail; }
    QList<Group>& groups() { return m_groups; }
    const ReportSection& reportHeader() const { return m_reportHeader; }
    const ReportSection& pageHeader() const { return m_pageHeader; }
    const ReportSection& pageFooter() const { return m_pageFooter; }
    const ReportSection& detail() const { return m_detail; }
    const QList<Group>& groups() const { return m_groups; }

    QList<ReportRecord>& records() { return m_records; }
    const QList<ReportRecord>& records() const { return m_records; }
    void setRecords(QList<ReportRecord> records) { m_records = std::move(records); }

    // Sets the caption of every control of that name, and the caption's form with given names
    // as initials when it names a fencer; false when there is no such control.
    bool setLabel(const QString& name, const QString& caption,
                  const QString& shortCaption = QString());
    bool setVisible(const QString& name, bool visible);
    bool setTop(const QString& name, double top);
    // The section of that name, or null.
    ReportSection* section(const QString& name);

private:
    QList<ReportSection*> allSections();
    bool forEachNamed(const QString& name, const std::function<void(ReportElement&)>& change);

    QString m_name;
    QString m_jobName;
    ReportSection m_reportHeader;
    ReportSection m_pageHeader;
    ReportSection m_pageFooter;
    ReportSection m_detail;
    QList<Group> m_groups;
    QList<ReportRecord> m_records;
};
