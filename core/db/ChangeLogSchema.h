#pragma once

#include "db/StoreDialect.h"

#include <QStringList>

// The change log kept inside the championship file: its tables and the triggers that record
// every change of a bout, a Final Four result, a roster row, the groups, the seeding, a school
// or a strip name in the same transaction as the change. The triggers use nothing but plain
// SQL and the championship's own tables, so any writer can still save: one that does not say
// who it is (an older build, the sqlite3 shell, psql) is recorded as "unknown". A file and a
// server get the same triggers, each in its store's words, and record the same rows.
namespace ChangeLogSchema {

// Statements that create whatever part of the log the store lacks; each may run again.
const QStringList& Statements(StoreKind store);

// The log's tables, as the file names them.
QStringList Tables();

// How many tables, indexes and triggers a store with the whole log holds.
int ObjectCount();

// The SQL that counts them (in sqlite_schema, or in the server's catalog).
QString CountObjectsSql(StoreKind store);

}  // namespace ChangeLogSchema
