#pragma once

#include <QHash>
#include <QList>
#include <QString>

// One row of a report's data with the rows of the next level that belong to it.
struct ReportRecord {
    QHash<QString, QString> values;
    QList<ReportRecord> children;

    QString value(const QString& column) const { return values.value(column); }
};
