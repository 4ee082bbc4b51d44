#include "db/ChampionshipSchema.h"

#include "db/SchemaSql.h"
#include "db/StoredViews.h"

namespace {

Status runAll(const SqlStore& store, const QStringList& statements) {
    for (const QString& sql : statements) {
        if (Status s = store.execScript(sql); !s) {
            return s;
        }
    }
    return Status::success();
}

}  // namespace

Status BuildChampionshipSchema(const SqlStore& store) {
    const StoreKind kind = store.kind();
    if (Status s = runAll(store, StoreDialect::SetupStatements(kind)); !s) {
        return s;
    }
    const auto& relations = ChampionshipRelations();
    for (const TableDef& table : ChampionshipTables()) {
        if (Status s = store.execScript(CreateTableSql(table, relations, kind)); !s) {
            return s;
        }
        if (Status s = runAll(store, CreateIndexSql(table, kind)); !s) {
            return s;
        }
    }
    if (Status s = runAll(store, CreateRelationSql(relations, kind)); !s) {
        return s;
    }
    for (const StoredView& view : ChampionshipViews()) {
        const QString sql = QStringLiteral("CREATE VIEW %1 AS %2")
                                .arg(StoreDialect::Name(kind, view.name), view.sql);
        if (Status s = store.execScript(sql); !s) {
            return s;
        }
    }
    return Status::success();
}
