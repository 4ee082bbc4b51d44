#pragma once

#include "db/Status.h"

#include <QString>

struct sqlite3;

// Failures of the championship file in words the scoring table staff understand: what could
// not be done, which file, and why, never the database engine's own text alone.
namespace DatabaseError {

// What the program was doing when the file failed, at the head of every failure message.
QString ReadWhat();
QString SaveWhat();
QString OpenWhat();

// Why the engine failed, in plain words, from its extended result code and its message.
QString Cause(int extendedCode, const QString& engineMessage);

// The cause as a sentence of its own.
QString Sentence(const QString& cause);

// "<what> <file>: <cause>." with the file as the user sees it.
QString Message(const QString& what, const QString& path, const QString& cause);

// The failure of the last call made on the connection.
Status LastFailure(sqlite3* db, const QString& what);

// The file behind the connection, empty for a database in memory.
QString PathOf(sqlite3* db);

}  // namespace DatabaseError
