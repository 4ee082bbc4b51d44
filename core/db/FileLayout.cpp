#include "db/FileLayout.h"

#include "db/Database.h"

#include <sqlite3.h>
#include <QSet>

namespace FileLayout {
namespace {

// The file's columns of a table, in upper case as names compare without case; empty when the
// file has no such table.
Result<QSet<QString>> columnsOf(const Database& db, const char* table) {
    Statement columns =
        db.prepare(QStringLiteral("SELECT name FROM pragma_table_info(?1)"), {table});
    QSet<QString> names;
    while (columns.next()) {
        names.insert(columns.toText(0).toUpper());
    }
    if (!columns.ok()) {
        return columns.status();
    }
    return names;
}

Status addMissingColumns(const Database& db, const TableDef& table, QStringList& missing) {
    const Result<QSet<QString>> columns = columnsOf(db, table.name);
    if (!columns) {
        return columns.status();
    }
    if (columns->isEmpty()) {
        if (!table.optionalAtOpen) {
            missing << QStringLiteral("the table %1").arg(QLatin1String(table.name));
        }
        return Status::success();
    }
    for (const ColumnDef& column : table.columns) {
        if (!columns->contains(QString::fromLatin1(column.name).toUpper())) {
            missing << QStringLiteral("the column %1.%2")
                           .arg(QLatin1String(table.name), QLatin1String(column.name));
        }
    }
    return Status::success();
}

// A stored query counts as there only when it can be run: one that reads a missing column
// is as good as missing.
Status addMissingView(const Database& db, const StoredView& view, QStringList& missing) {
    const Result<std::optional<long long>> found = db.queryInt(
        StoreDialect::ObjectCountSql(db.kind(), StoreDialect::ObjectType::View), {view.name});
    if (!found) {
        return found.status();
    }
    const QString name = QStringLiteral("the stored query %1").arg(QLatin1String(view.name));
    if (found->value_or(0) == 0) {
        missing << name;
        return Status::success();
    }
    // The view's name comes from the program's own list, never from the file or the user.
    Statement run =
        db.prepare(QStringLiteral("SELECT * FROM \"%1\" LIMIT 0").arg(QLatin1String(view.name)));
    if (run.run()) {
        return Status::success();
    }
    if ((run.resultCode() & 0xff) == SQLITE_ERROR) {
        missing << name + QStringLiteral(" (in a form that does not work with this file)");
        return Status::success();
    }
    return run.status();
}

}  // namespace

Result<QStringList> MissingParts(const Database& db, const std::vector<TableDef>& tables,
                                 const std::vector<StoredView>& views) {
    QStringList missing;
    for (const TableDef& table : tables) {
        if (Status read = addMissingColumns(db, table, missing); !read) {
            return read;
        }
    }
    for (const StoredView& view : views) {
        if (Status read = addMissingView(db, view, missing); !read) {
            return read;
        }
    }
    return missing;
}

Result<QStringList> MissingParts(const Database& db) {
    return MissingParts(db, ChampionshipTables(), ChampionshipViews());
}

}  // namespace FileLayout
