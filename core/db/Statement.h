#pragma once

#include "db/SqlValue.h"
#include "db/Status.h"

#include <QString>
#include <memory>

class PgConnection;
class ServerStatement;
class StatementCache;
struct sqlite3;
struct sqlite3_stmt;

// A prepared SQL statement with bound parameters; steps through its rows.
class Statement final {
public:
    // With a cache, the statement is taken from it when one of the same text is kept there,
    // and given back to it when done (while the cache lives).
    Statement(sqlite3* db, const QString& sql, const SqlParams& params = {},
              const std::shared_ptr<StatementCache>& cache = {});
    // A statement on a championship server; it runs at its first step.
    Statement(const PgConnection& server, const QString& sql, const SqlParams& params = {});
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&&) = delete;

    bool ok() const;
    // The file engine's extended result code of the failure; 0 while ok() and on a server.
    int resultCode() const { return m_code; }
    // What failed, the file and why, in plain words; empty while ok().
    QString errorString() const;
    // Only why, in plain words (see DatabaseError::Cause); empty while ok().
    QString cause() const;
    // Success, or the failure with errorString(); a read loop ends with this, so that a
    // locked or damaged file is never taken for one without rows.
    Status status() const;

    void bind(int index, const SqlValue& value);
    void bindAll(const SqlParams& params);
    // Advances to the next row; false at the end or on an error (see ok()).
    bool next();
    // Runs the statement to its end; false on an error.
    bool run();
    // Makes the statement ready to run again with new values. A statement that could not be
    // prepared stays failed, so that running it never reports success.
    void reset();

    int columnCount() const;
    QString columnName(int column) const;
    bool isNull(int column) const;
    int toInt(int column) const;
    long long toInt64(int column) const;
    double toDouble(int column) const;
    QString toText(int column) const;
    // The value as stored: a number, a real number, text or nothing.
    SqlValue value(int column) const;

private:
    void fail(int code);

    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_stmt = nullptr;
    std::weak_ptr<StatementCache> m_cache;
    QString m_sql;
    bool m_writes = false;
    int m_code = 0;  // the engine's extended result code of the first failure
    QString m_engineMessage;
    std::unique_ptr<ServerStatement> m_server;
};
