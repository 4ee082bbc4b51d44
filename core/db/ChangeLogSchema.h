#pragma once

#include <QStringList>

// The change log kept inside the championship file: its tables and the triggers that record
// every change of a bout, a Final Four result, a roster row, the groups, the seeding, a school
// or a strip name in the same transaction as the change. The triggers use nothing but plain
// SQL and the file's own tables, so any writer can still save: one that does not say who it
// is (an older build, the sqlite3 shell) is recorded as "unknown".
namespace ChangeLogSchema {

// Statements that create whatever part of the log a file lacks; each may run again.
const QStringList& Statements();

// How many tables, indexes and triggers a file with the whole log holds.
int ObjectCount();

// The SQL that counts them in sqlite_schema.
QString CountObjectsSql();

}  // namespace ChangeLogSchema
