#include "db/SchemaSql.h"

namespace {

QString joined(StoreKind store, const std::vector<const char*>& names) {
    QStringList parts;
    for (const char* name : names) {
        parts << StoreDialect::Name(store, name);
    }
    return parts.join(QStringLiteral(", "));
}

// The column with the checks that carry the type's range and the text rules.
QString columnSql(const ColumnDef& column, StoreKind store) {
    const QString name = StoreDialect::Name(store, column.name);
    QString sql = name + QLatin1Char(' ') + StoreDialect::ColumnType(store, column.type);
    switch (column.type) {
        case ColumnType::Byte:
            sql += QStringLiteral(" CHECK (%1 BETWEEN 0 AND 255)").arg(name);
            break;
        case ColumnType::Integer:
            sql += QStringLiteral(" CHECK (%1 BETWEEN -32768 AND 32767)").arg(name);
            break;
        case ColumnType::Single:
        case ColumnType::Double:
            break;
        case ColumnType::YesNo:
            sql += QStringLiteral(" CHECK (%1 IN (-1, 0))").arg(name);
            break;
        case ColumnType::Text:
            sql += QStringLiteral(" CHECK (length(%1) <= %2").arg(name).arg(column.textSize);
            sql += column.emptyAllowed ? QStringLiteral(")")
                                       : QStringLiteral(" AND %1 <> '')").arg(name);
            break;
    }
    if (column.defaultZero) {
        sql += QStringLiteral(" DEFAULT 0");
    }
    return sql;
}

QString relationSql(const RelationDef& relation, StoreKind store) {
    return QStringLiteral("CONSTRAINT %1 FOREIGN KEY (%2) REFERENCES %3 (%4) ON UPDATE %5")
        .arg(StoreDialect::Name(store, relation.name), joined(store, relation.manyColumns),
             StoreDialect::Name(store, relation.oneTable), joined(store, relation.oneColumns),
             relation.cascadeUpdates ? QStringLiteral("CASCADE") : QStringLiteral("NO ACTION"));
}

}  // namespace

QString CreateTableSql(const TableDef& table, const std::vector<RelationDef>& relations,
                       StoreKind store) {
    QStringList parts;
    for (const ColumnDef& column : table.columns) {
        parts << columnSql(column, store);
    }
    for (const IndexDef& index : table.indexes) {
        if (index.primary) {
            parts << QStringLiteral("CONSTRAINT %1 PRIMARY KEY (%2)")
                         .arg(StoreDialect::PrimaryKeyName(store, table),
                              joined(store, index.columns));
        }
    }
    if (StoreDialect::RelationsInsideTables(store)) {
        for (const RelationDef& relation : relations) {
            if (qstrcmp(relation.manyTable, table.name) == 0) {
                parts << relationSql(relation, store);
            }
        }
    }
    return QStringLiteral("CREATE TABLE %1 (\n  %2\n)%3")
        .arg(StoreDialect::Name(store, table.name), parts.join(QStringLiteral(",\n  ")),
             StoreDialect::TableOptions(store));
}

QStringList CreateRelationSql(const std::vector<RelationDef>& relations, StoreKind store) {
    QStringList statements;
    if (StoreDialect::RelationsInsideTables(store)) {
        return statements;
    }
    for (const RelationDef& relation : relations) {
        statements << QStringLiteral("ALTER TABLE %1 ADD %2")
                          .arg(StoreDialect::Name(store, relation.manyTable),
                               relationSql(relation, store));
    }
    return statements;
}

QString StoredIndexName(const TableDef& table, const IndexDef& index) {
    return QLatin1String(table.name) + QLatin1Char('.') + QLatin1String(index.name);
}

QStringList CreateIndexSql(const TableDef& table, StoreKind store) {
    QStringList statements;
    for (const IndexDef& index : table.indexes) {
        if (index.primary) {
            continue;
        }
        const QByteArray name = StoredIndexName(table, index).toUtf8();
        statements << QStringLiteral("CREATE %1INDEX %2 ON %3 (%4)")
                          .arg(index.unique ? QStringLiteral("UNIQUE ") : QString(),
                               StoreDialect::Name(store, name.constData()),
                               StoreDialect::Name(store, table.name), joined(store, index.columns));
    }
    return statements;
}
