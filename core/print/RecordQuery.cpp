#include "print/RecordQuery.h"

#include <QHash>

namespace RecordQuery {

QList<ReportRecord> Rows(const Database& db, const QString& sql, const SqlParams& params,
                         Status* status) {
    QList<ReportRecord> rows;
    Statement statement = db.prepare(sql, params);
    QStringList names;
    while (statement.next()) {
        // A server statement knows its columns once it has run, at the first row.
        for (int column = names.size(); column < statement.columnCount(); ++column) {
            names << statement.columnName(column);
        }
        ReportRecord row;
        for (int column = 0; column < names.size(); ++column) {
            row.values.insert(names[column], statement.toText(column));
        }
        rows.append(std::move(row));
    }
    if (!statement.ok()) {
        rows.clear();
        *status = Status::failure(statement.errorString());
    } else {
        *status = Status::success();
    }
    return rows;
}

namespace {

QString keyOf(const ReportRecord& record, const QStringList& keys) {
    QStringList parts;
    for (const QString& key : keys) {
        parts << record.value(key);
    }
    return parts.join(QChar(0x1f));
}

}  // namespace

void Relate(QList<ReportRecord>& parents, const QList<ReportRecord>& children,
            const QStringList& keys) {
    QHash<QString, QList<qsizetype>> byKey;
    for (qsizetype i = 0; i < parents.size(); ++i) {
        parents[i].children.clear();
        byKey[keyOf(parents[i], keys)].append(i);
    }
    for (const ReportRecord& child : children) {
        const auto it = byKey.constFind(keyOf(child, keys));
        if (it == byKey.constEnd()) {
            continue;
        }
        for (qsizetype parent : *it) {
            parents[parent].children.append(child);
        }
    }
}

QList<ReportRecord> GroupBy(const QList<ReportRecord>& rows, const QStringList& columns) {
    QList<ReportRecord> groups;
    QHash<QString, qsizetype> indexOf;
    for (const ReportRecord& row : rows) {
        const QString key = keyOf(row, columns);
        auto it = indexOf.constFind(key);
        if (it == indexOf.constEnd()) {
            ReportRecord group;
            for (const QString& column : columns) {
                group.values.insert(column, row.value(column));
            }
            it = indexOf.insert(key, groups.size());
            groups.append(group);
        }
        groups[*it].children.append(row);
    }
    return groups;
}

}  // namespace RecordQuery
