#pragma once

#include "db/SchemaDefinition.h"

#include <QString>
#include <QStringList>

// Where a championship is kept: a championship file (SQLite), or a PostgreSQL server
// shared by several scoring stations.
enum class StoreKind { File, Server };

// Everything in which the two stores' SQL differs, in one place. The program writes its SQL
// once, in the file's words; ServerSql() gives the server's words for it.
namespace StoreDialect {

// A table's, column's or constraint's name as written in the store's schema. The server
// keeps names in lower case, so that the program's unquoted names find them.
QString Name(StoreKind store, const char* name);

// The column's type with its collation; the range and text checks are the same on both.
QString ColumnType(StoreKind store, ColumnType type);

// What follows a table's closing parenthesis.
QString TableOptions(StoreKind store);

// A primary key's name: per table in a file, per schema on the server.
QString PrimaryKeyName(StoreKind store, const TableDef& table);

// The file states relations inside its tables; the server adds them once every table is
// there, as a relation may point at a table created after its own.
bool RelationsInsideTables(StoreKind store);

// What a store needs before the championship's tables can be created.
QStringList SetupStatements(StoreKind store);

// The program's SQL in the server's words: ?, ?N parameters become $N, quoted names go to
// lower case, and the file's functions become the server's (ifnull, UCASE). Text in
// single quotes is left as written.
QString ServerSql(const QString& sql);

}  // namespace StoreDialect
