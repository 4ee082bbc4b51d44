#include "db/Database.h"

#include "db/SqlFunctions.h"

#include <sqlite3.h>

std::unique_ptr<Database> Database::open(const QString& path, Mode mode, QString* error) {
    sqlite3* db = nullptr;
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;
    if (mode == Mode::CreateFile) {
        flags |= SQLITE_OPEN_CREATE;
    }
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        if (error) {
            *error = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
        }
        sqlite3_close(db);
        return nullptr;
    }
    std::unique_ptr<Database> database(new Database(db, path));
    if (Status configured = database->configure(); !configured) {
        if (error) {
            *error = configured.message();
        }
        return nullptr;
    }
    return database;
}

Database::~Database() {
    sqlite3_close_v2(m_db);
}

Status Database::configure() const {
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_timeout(m_db, 2000);
    RegisterSqlFunctions(m_db);
    // One self-contained file that can be copied to a stick when closed: rollback
    // journal, and every commit on the disk before the call returns.
    return execScript(QStringLiteral(
        "PRAGMA foreign_keys=ON; PRAGMA journal_mode=DELETE; PRAGMA synchronous=FULL;"));
}

Statement Database::prepare(const QString& sql, const SqlParams& params) const {
    return Statement(m_db, sql, params);
}

Status Database::exec(const QString& sql, const SqlParams& params) const {
    Statement statement = prepare(sql, params);
    if (!statement.run()) {
        return Status::failure(statement.errorString());
    }
    return Status::success();
}

Status Database::execScript(const QString& sql) const {
    char* message = nullptr;
    const int rc = sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &message);
    if (rc != SQLITE_OK) {
        const QString text = QString::fromUtf8(message ? message : sqlite3_errstr(rc));
        sqlite3_free(message);
        return Status::failure(text);
    }
    return Status::success();
}

std::optional<long long> Database::queryInt(const QString& sql, const SqlParams& params) const {
    Statement statement = prepare(sql, params);
    if (!statement.next() || statement.isNull(0)) {
        return std::nullopt;
    }
    return statement.toInt64(0);
}

std::optional<QString> Database::queryText(const QString& sql, const SqlParams& params) const {
    Statement statement = prepare(sql, params);
    if (!statement.next()) {
        return std::nullopt;
    }
    return statement.toText(0);
}
