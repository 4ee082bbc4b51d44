#include "db/Database.h"

#include "db/DatabaseError.h"
#include "db/PgConnection.h"
#include "db/ReadRows.h"
#include "db/SqlFunctions.h"
#include "db/StatementCache.h"

#include <pwd.h>
#include <sqlite3.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QSysInfo>
#include <QUrl>

namespace {

constexpr int kBusyTimeoutMs = 2000;

bool writes(Database::Mode mode) {
    return mode == Database::Mode::ExistingFile || mode == Database::Mode::CreateFile;
}

int openFlags(Database::Mode mode) {
    switch (mode) {
        case Database::Mode::CreateFile:
            return SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
        case Database::Mode::ExistingFile:
            return SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;
        case Database::Mode::ReadOnly:
            break;
    }
    return SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX;
}

// The name handed to the engine; read-only opens go through a URI so that a path with
// "?" or "#" stays one path.
QByteArray engineName(const QString& path, Database::Mode mode) {
    return writes(mode) ? path.toUtf8() : QUrl::fromLocalFile(path).toEncoded();
}

}  // namespace

std::unique_ptr<Database> Database::open(const QString& path, Mode mode, QString* error) {
    sqlite3* db = nullptr;
    const int rc =
        sqlite3_open_v2(engineName(path, mode).constData(), &db, openFlags(mode), nullptr);
    if (rc != SQLITE_OK) {
        if (error) {
            const QString engineMessage =
                QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
            *error = DatabaseError::Message(DatabaseError::OpenWhat(), path,
                                            DatabaseError::Cause(rc, engineMessage));
        }
        sqlite3_close(db);
        return nullptr;
    }
    std::unique_ptr<Database> database(new Database(db, path));
    if (Status configured = database->configure(mode); !configured) {
        if (error) {
            *error = configured.message();
        }
        return nullptr;
    }
    return database;
}

Database::Database(sqlite3* db, const QString& path)
    : m_db(db), m_path(path), m_statements(std::make_shared<StatementCache>()) {}

Database::Database(std::unique_ptr<PgConnection> server)
    : m_path(server->caption()), m_server(std::move(server)) {}

std::unique_ptr<Database> Database::onServer(std::unique_ptr<PgConnection> server) {
    return std::unique_ptr<Database>(new Database(std::move(server)));
}

Database::~Database() {
    // Kept statements are finalized first, so the file closes at once.
    m_statements.reset();
    if (m_db != nullptr) {
        sqlite3_close_v2(m_db);
    }
}

Status Database::configure(Mode mode) const {
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
    RegisterSqlFunctions(m_db);
    if (!writes(mode)) {
        return Status::success();
    }
    // One self-contained file that can be copied to a stick when closed: rollback
    // journal, and every commit on the disk before the call returns.
    return execScript(QStringLiteral(
        "PRAGMA foreign_keys=ON; PRAGMA journal_mode=DELETE; PRAGMA synchronous=FULL;"));
}

QString Database::changePlace() const {
    const QString place = m_changePlace ? m_changePlace() : QString();
    if (!place.isEmpty()) {
        return place;
    }
    const QString program = QCoreApplication::applicationName();
    return program.isEmpty() ? QStringLiteral("ORLE") : program;
}

// The person logged in and the machine, as "anna@scoring-1".
QString Database::changeWho() const {
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty()) {
        const passwd* account = getpwuid(geteuid());
        user = account != nullptr ? QString::fromLocal8Bit(account->pw_name)
                                  : QStringLiteral("unknown");
    }
    return user + QLatin1Char('@') + QSysInfo::machineHostName();
}

Statement Database::prepare(const QString& sql, const SqlParams& params) const {
    if (m_server) {
        return Statement(*m_server, sql, params);
    }
    return Statement(m_db, sql, params, m_statements);
}

Status Database::exec(const QString& sql, const SqlParams& params) const {
    Statement statement = prepare(sql, params);
    if (!statement.run()) {
        return statement.status();
    }
    return Status::success();
}

Status Database::execScript(const QString& sql) const {
    if (m_server) {
        return m_server->execScript(sql);
    }
    const int rc = sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        return DatabaseError::LastFailure(m_db, DatabaseError::SaveWhat());
    }
    return Status::success();
}

Result<SqlRows> Database::rows(const QString& sql, const SqlParams& params) const {
    Statement statement = prepare(sql, params);
    return ReadRows::All(statement);
}

Result<std::optional<long long>> Database::queryInt(const QString& sql,
                                                    const SqlParams& params) const {
    Statement statement = prepare(sql, params);
    return ReadRows::FirstInt(statement);
}

Result<std::optional<QString>> Database::queryText(const QString& sql,
                                                   const SqlParams& params) const {
    Statement statement = prepare(sql, params);
    if (!statement.next()) {
        if (!statement.ok()) {
            return statement.status();
        }
        return std::optional<QString>();
    }
    return std::optional<QString>(statement.toText(0));
}

Status Database::beginSave() const {
    if (m_server) {
        return m_server->beginSave();
    }
    return execScript(QStringLiteral("BEGIN IMMEDIATE"));
}

Status Database::commitSave() const {
    if (m_server) {
        return m_server->commitSave();
    }
    return execScript(QStringLiteral("COMMIT"));
}

void Database::rollbackSave() const {
    if (m_server) {
        m_server->rollbackSave();
        return;
    }
    // Should the rollback itself fail, the engine undoes the save when the connection closes
    // (or, for a file, on its next open).
    static_cast<void>(execScript(QStringLiteral("ROLLBACK")));
}
