#include "db/ChampionshipCopy.h"

#include <QStringList>
#include <algorithm>

namespace ChampionshipCopy {
namespace {

QString quoted(const char* name) {
    return QLatin1Char('"') + QLatin1String(name) + QLatin1Char('"');
}

QString columnList(const TableDef& table) {
    QStringList names;
    for (const ColumnDef& column : table.columns) {
        names << quoted(column.name);
    }
    return names.join(QStringLiteral(", "));
}

QString insertSql(const TableDef& table) {
    QStringList marks;
    for (size_t i = 0; i < table.columns.size(); ++i) {
        marks << QStringLiteral("?");
    }
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(quoted(table.name), columnList(table), marks.join(QStringLiteral(", ")));
}

// Whether the table's rows point at rows of a table not yet written.
bool waitsFor(const TableDef& table, const std::vector<const TableDef*>& written) {
    for (const RelationDef& relation : ChampionshipRelations()) {
        if (qstrcmp(relation.manyTable, table.name) != 0 ||
            qstrcmp(relation.oneTable, table.name) == 0) {
            continue;
        }
        const bool parentWritten = std::any_of(
            written.begin(), written.end(),
            [&](const TableDef* done) { return qstrcmp(done->name, relation.oneTable) == 0; });
        if (!parentWritten) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::vector<const TableDef*> TablesInWritingOrder() {
    std::vector<const TableDef*> order;
    std::vector<const TableDef*> waiting;
    for (const TableDef& table : ChampionshipTables()) {
        waiting.push_back(&table);
    }
    // The relations form no cycle, so every pass writes at least one table.
    while (!waiting.empty()) {
        const auto ready =
            std::stable_partition(waiting.begin(), waiting.end(),
                                  [&](const TableDef* table) { return !waitsFor(*table, order); });
        order.insert(order.end(), waiting.begin(), ready);
        waiting.erase(waiting.begin(), ready);
    }
    return order;
}

Result<SqlRows> ReadTable(const SqlStore& store, const TableDef& table) {
    return store.rows(
        QStringLiteral("SELECT %1 FROM %2").arg(columnList(table), quoted(table.name)));
}

Result<long long> CopyRows(const SqlStore& from, const SqlStore& to) {
    long long written = 0;
    for (const TableDef* table : TablesInWritingOrder()) {
        const Result<SqlRows> rows = ReadTable(from, *table);
        if (!rows) {
            return rows.status();
        }
        const QString sql = insertSql(*table);
        for (const SqlRow& row : *rows) {
            if (Status s = to.exec(sql, row); !s) {
                return s;
            }
        }
        written += static_cast<long long>(rows->size());
    }
    return written;
}

}  // namespace ChampionshipCopy
