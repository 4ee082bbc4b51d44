#pragma once

#include "db/SchemaDefinition.h"
#include "db/StoreDialect.h"

#include <QStringList>

// SQL that creates a table with its checks, keys and relations, and its other indexes.
// On the server the relations come afterwards, from RelationSql.
QString CreateTableSql(const TableDef& table, const std::vector<RelationDef>& relations,
                       StoreKind store = StoreKind::File);
QStringList CreateIndexSql(const TableDef& table, StoreKind store = StoreKind::File);
// The statements that add the relations to tables made without them (the server's way).
QStringList CreateRelationSql(const std::vector<RelationDef>& relations, StoreKind store);
// The name under which an index is stored; index names are per file in SQLite.
QString StoredIndexName(const TableDef& table, const IndexDef& index);
