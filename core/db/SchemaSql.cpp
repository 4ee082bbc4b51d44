#include "db/SchemaSql.h"

namespace {

QString quoted(const char* name) {
    return QLatin1Char('"') + QLatin1String(name) + QLatin1Char('"');
}

QString joined(const std::vector<const char*>& names) {
    QStringList parts;
    for (const char* name : names) {
        parts << quoted(name);
    }
    return parts.join(QStringLiteral(", "));
}

// The column with the checks that carry the type's range and the text rules.
QString columnSql(const ColumnDef& column) {
    const QString name = quoted(column.name);
    QString sql = name;
    switch (column.type) {
        case ColumnType::Byte:
            sql += QStringLiteral(" INTEGER CHECK (%1 BETWEEN 0 AND 255)").arg(name);
            break;
        case ColumnType::Integer:
            sql += QStringLiteral(" INTEGER CHECK (%1 BETWEEN -32768 AND 32767)").arg(name);
            break;
        case ColumnType::Single:
        case ColumnType::Double:
            sql += QStringLiteral(" REAL");
            break;
        case ColumnType::YesNo:
            sql += QStringLiteral(" INTEGER CHECK (%1 IN (-1, 0))").arg(name);
            break;
        case ColumnType::Text:
            sql += QStringLiteral(" TEXT COLLATE NOCASE CHECK (length(%1) <= %2")
                       .arg(name)
                       .arg(column.textSize);
            sql += column.emptyAllowed ? QStringLiteral(")")
                                       : QStringLiteral(" AND %1 <> '')").arg(name);
            break;
    }
    if (column.defaultZero) {
        sql += QStringLiteral(" DEFAULT 0");
    }
    return sql;
}

QString relationSql(const RelationDef& relation) {
    return QStringLiteral("CONSTRAINT %1 FOREIGN KEY (%2) REFERENCES %3 (%4) ON UPDATE %5")
        .arg(quoted(relation.name), joined(relation.manyColumns), quoted(relation.oneTable),
             joined(relation.oneColumns),
             relation.cascadeUpdates ? QStringLiteral("CASCADE") : QStringLiteral("NO ACTION"));
}

}  // namespace

QString CreateTableSql(const TableDef& table, const std::vector<RelationDef>& relations) {
    QStringList parts;
    for (const ColumnDef& column : table.columns) {
        parts << columnSql(column);
    }
    for (const IndexDef& index : table.indexes) {
        if (index.primary) {
            parts << QStringLiteral("CONSTRAINT PrimaryKey PRIMARY KEY (%1)")
                         .arg(joined(index.columns));
        }
    }
    for (const RelationDef& relation : relations) {
        if (qstrcmp(relation.manyTable, table.name) == 0) {
            parts << relationSql(relation);
        }
    }
    return QStringLiteral("CREATE TABLE %1 (\n  %2\n) STRICT")
        .arg(quoted(table.name), parts.join(QStringLiteral(",\n  ")));
}

QString StoredIndexName(const TableDef& table, const IndexDef& index) {
    return QLatin1String(table.name) + QLatin1Char('.') + QLatin1String(index.name);
}

QStringList CreateIndexSql(const TableDef& table) {
    QStringList statements;
    for (const IndexDef& index : table.indexes) {
        if (index.primary) {
            continue;
        }
        statements << QStringLiteral("CREATE %1INDEX \"%2\" ON %3 (%4)")
                          .arg(index.unique ? QStringLiteral("UNIQUE ") : QString(),
                               StoredIndexName(table, index), quoted(table.name),
                               joined(index.columns));
    }
    return statements;
}
