#pragma once

#include "db/Result.h"
#include "db/ServerUri.h"
#include "db/SqlStore.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>

struct pg_conn;
struct pg_result;

// The rows of one query on the server, read one after another as from a Statement.
class PgRows final {
public:
    PgRows(pg_result* result, const QString& failure);
    ~PgRows();
    PgRows(const PgRows&) = delete;
    PgRows& operator=(const PgRows&) = delete;
    PgRows(PgRows&& other) noexcept;
    PgRows& operator=(PgRows&&) = delete;

    bool ok() const { return m_failure.isEmpty(); }
    // Success, or what failed, the server and why; a read loop ends with this.
    Status status() const;

    // What the server says it did ("COMMIT", "INSERT 0 1", "ROLLBACK").
    QString commandTag() const;
    // Advances to the next row; false at the end or when the query failed (see ok()).
    bool next();

    int columnCount() const;
    QString columnName(int column) const;
    bool isNull(int column) const;
    long long toInt64(int column) const;
    double toDouble(int column) const;
    QString toText(int column) const;
    // The value with the kind of its column: a number, a real number or text.
    SqlValue value(int column) const;

private:
    pg_result* m_result = nullptr;
    QString m_failure;
    int m_row = -1;
};

// One open connection to a championship server: runs the program's SQL, written in the
// file's words, with every value a bound parameter.
class PgConnection final : public SqlStore {
public:
    // Connects; on failure returns null and sets *error to what failed, the server and why.
    static std::unique_ptr<PgConnection> Connect(const ServerUri& uri, QString* error);
    // Begins connecting without waiting, for PQconnectPoll; null when out of memory.
    static pg_conn* StartConnecting(const ServerUri& uri);
    // Every committed save is announced on this channel with the saving program's mark, so
    // that the other stations follow it.
    static const QString& SavedChannel();
    static const QString& ThisStation();
    ~PgConnection() override;
    PgConnection(const PgConnection&) = delete;
    PgConnection& operator=(const PgConnection&) = delete;

    const ServerUri& uri() const { return m_uri; }

    StoreKind kind() const override { return StoreKind::Server; }
    QString caption() const override { return m_uri.caption(); }
    Status exec(const QString& sql, const SqlParams& params = {}) const override;
    Status execScript(const QString& sql) const override;
    Result<SqlRows> rows(const QString& sql, const SqlParams& params = {}) const override;

    PgRows query(const QString& sql, const SqlParams& params = {}) const;
    // The first column of the first row, nothing when there is no row or it is null.
    Result<std::optional<long long>> queryInt(const QString& sql,
                                              const SqlParams& params = {}) const;

    // One save: begins a transaction and takes the championship's save lock, so that saves
    // from every station follow one another; a connection lost since the last statement is
    // made again first. commitSave() fails when the server undid the save.
    Status beginSave() const;
    Status commitSave() const;
    void rollbackSave() const;
    bool inSave() const { return m_inSave; }

    // Runs reads that must see the championship as of one moment while other stations save
    // (a snapshot): inside a read-only transaction of their own, or inside the save under way.
    Status readAsOneMoment(const std::function<Status()>& read) const;

private:
    PgConnection(pg_conn* connection, const ServerUri& uri)
        : m_connection(connection), m_uri(uri) {}
    pg_result* send(const QByteArray& text, const SqlParams& params) const;
    // Runs the SQL as the server words it; the failure is set for a failed result.
    pg_result* run(const QString& sql, const SqlParams& params, QString* failure) const;
    // Connects again when the server dropped the connection; never inside a save, whose
    // remaining statements must not run outside it.
    void reconnectIfLost() const;

    pg_conn* m_connection = nullptr;
    ServerUri m_uri;
    mutable bool m_inSave = false;
};

// One save on the server: everything between construction and commit(), or nothing.
class PgTransaction final {
public:
    explicit PgTransaction(const PgConnection& connection);
    ~PgTransaction();
    PgTransaction(const PgTransaction&) = delete;
    PgTransaction& operator=(const PgTransaction&) = delete;

    const Status& begun() const { return m_begun; }
    Status commit();

private:
    const PgConnection& m_connection;
    Status m_begun;
    bool m_open = false;
};
