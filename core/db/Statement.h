#pragma once

#include "db/SqlValue.h"

#include <QString>

struct sqlite3;
struct sqlite3_stmt;

// A prepared SQL statement with bound parameters; steps through its rows.
class Statement final {
public:
    Statement(sqlite3* db, const QString& sql, const SqlParams& params = {});
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&&) = delete;

    bool ok() const { return m_error.isEmpty(); }
    const QString& errorString() const { return m_error; }

    void bind(int index, const SqlValue& value);
    void bindAll(const SqlParams& params);
    // Advances to the next row; false at the end or on an error (see ok()).
    bool next();
    // Runs the statement to its end; false on an error.
    bool run();
    void reset();

    int columnCount() const;
    QString columnName(int column) const;
    bool isNull(int column) const;
    int toInt(int column) const;
    long long toInt64(int column) const;
    double toDouble(int column) const;
    QString toText(int column) const;

private:
    void fail(int code);

    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_stmt = nullptr;
    QString m_error;
};
