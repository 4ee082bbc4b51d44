#pragma once

#include "db/SchemaDefinition.h"

#include <QStringList>

// SQL that creates a table with its checks, keys and relations, and its other indexes.
QString CreateTableSql(const TableDef& table, const std::vector<RelationDef>& relations);
QStringList CreateIndexSql(const TableDef& table);
// The name under which an index is stored; index names are per file in SQLite.
QString StoredIndexName(const TableDef& table, const IndexDef& index);
