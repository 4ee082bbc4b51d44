#pragma once

#include "db/Result.h"
#include "db/SqlStore.h"
#include "db/Statement.h"
#include "db/Status.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>

class PgConnection;
class StatementCache;
struct sqlite3;

// One open connection to a championship: a file, with the settings every connection needs,
// or a server database shared by several scoring stations. The program's SQL is written once,
// in the file's words, and runs on either.
class Database final : public SqlStore {
public:
    // ReadOnly never writes to a file kept with a rollback journal: a file is looked at that
    // way until it is accepted.
    enum class Mode { ExistingFile, CreateFile, ReadOnly };

    // Opens the file; on failure returns null and sets *error to the reason, for the user.
    static std::unique_ptr<Database> open(const QString& path, Mode mode, QString* error);
    // The championship on a server, through a connection made and checked by the caller.
    static std::unique_ptr<Database> onServer(std::unique_ptr<PgConnection> server);
    ~Database() override;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // The file's path, or the server's address as it may be shown (no password).
    const QString& path() const { return m_path; }
    // The file's engine handle; null on a server.
    sqlite3* handle() const { return m_db; }
    // The server connection; null for a file.
    const PgConnection* server() const { return m_server.get(); }

    StoreKind kind() const override { return m_server ? StoreKind::Server : StoreKind::File; }
    QString caption() const override { return m_path; }

    // One save's beginning and end, as Transaction uses them: a file is locked for writing at
    // once; a server championship takes its one save lock, so that saves from every station
    // follow one another as they do in a file.
    Status beginSave() const;
    Status commitSave() const;
    // Undoes a save that did not commit; its failure needs no report (the save's has been).
    void rollbackSave() const;

    Statement prepare(const QString& sql, const SqlParams& params = {}) const;
    // Runs one statement with its parameters.
    Status exec(const QString& sql, const SqlParams& params = {}) const override;
    // Runs statements without parameters, separated by semicolons (schema text).
    Status execScript(const QString& sql) const override;
    Result<SqlRows> rows(const QString& sql, const SqlParams& params = {}) const override;
    // The first column of the first row, nothing when there is no row or it is null, or the
    // failure when the file could not be read.
    Result<std::optional<long long>> queryInt(const QString& sql,
                                              const SqlParams& params = {}) const;
    Result<std::optional<QString>> queryText(const QString& sql,
                                             const SqlParams& params = {}) const;

    // Who saves through this connection and from which window or command, as the change
    // log records it.
    void setChangePlace(std::function<QString()> place) { m_changePlace = std::move(place); }
    QString changePlace() const;
    QString changeWho() const;

    // Called after every committed save on this connection (the live results follow it).
    void setCommitObserver(std::function<void()> observer) {
        m_commitObserver = std::move(observer);
    }
    void committed() const {
        if (m_commitObserver) {
            m_commitObserver();
        }
    }

private:
    Database(sqlite3* db, const QString& path);
    explicit Database(std::unique_ptr<PgConnection> server);
    Status configure(Mode mode) const;

    sqlite3* m_db = nullptr;
    QString m_path;
    std::function<void()> m_commitObserver;
    std::function<QString()> m_changePlace;
    std::shared_ptr<StatementCache> m_statements;
    std::unique_ptr<PgConnection> m_server;
};
