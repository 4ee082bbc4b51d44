#pragma once

#include "db/SchemaDefinition.h"

#include <QHash>
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

// The words of the change log's triggers in which the stores differ; the file's are those its
// triggers have always had, so that a file's log is the same whichever build made it.

// A condition that always holds.
QString Always(StoreKind store);
// Compares two values, null being a value like any other: "a IS NOT b" and "a IS b".
QString Differs(StoreKind store, const QString& a, const QString& b);
QString Same(StoreKind store, const QString& a, const QString& b);
// The smaller and the larger of two numbers.
QString Smaller(StoreKind store, const QString& a, const QString& b);
QString Larger(StoreKind store, const QString& a, const QString& b);
// Where `part` first starts in `text`, counting from 1; 0 when it does not occur.
QString Position(StoreKind store, const QString& text, const QString& part);
// A number as text, where text and numbers meet in one CASE (the server wants one kind).
QString AsText(StoreKind store, const QString& number);
// The time of the statement in universal time, as "YYYY-MM-DD HH:MM:SS".
QString UtcNowText(StoreKind store);

// The program's SQL in the server's words: ?, ?N parameters become $N, quoted names go to
// lower case, the file's functions become the server's (ifnull, UCASE), and each sort key
// puts nulls where the file does (first, last when descending). Text in single quotes is
// left as written.
QString ServerSql(const QString& sql);

// The server names a result's columns in lower case; the program reads them by the names it
// wrote. The spellings of the statement's own words and of the championship's columns and
// stored queries, by their lower-case form.
QHash<QString, QString> ColumnSpellings(const QString& sql);

enum class ObjectType { Table, View };

// Counts the tables (or views) of the name given as the first parameter, in any case.
QString ObjectCountSql(StoreKind store, ObjectType type);

}  // namespace StoreDialect
