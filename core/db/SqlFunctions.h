#pragma once

struct sqlite3;

// Adds the text functions the championship's queries use beyond SQLite's own:
// UCASE (upper case that also covers accented letters).
void RegisterSqlFunctions(sqlite3* db);
