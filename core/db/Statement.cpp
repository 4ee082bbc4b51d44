#include "db/Statement.h"

#include "db/DatabaseError.h"
#include "db/ServerStatement.h"
#include "db/StatementCache.h"

#include <sqlite3.h>

namespace {

// Whether a failure of the statement is worded as a failed save or a failed read.
bool changesTheFile(const QString& sql) {
    const QString head = sql.trimmed().section(QLatin1Char(' '), 0, 0).toUpper();
    return head != QLatin1String("SELECT") && head != QLatin1String("WITH") &&
           head != QLatin1String("PRAGMA");
}

}  // namespace

Statement::Statement(sqlite3* db, const QString& sql, const SqlParams& params,
                     const std::shared_ptr<StatementCache>& cache)
    : m_db(db), m_writes(changesTheFile(sql)) {
    if (cache) {
        m_cache = cache;
        m_sql = sql;
        m_stmt = cache->take(sql);
        if (m_stmt != nullptr) {
            bindAll(params);
            return;
        }
    }
    const QByteArray text = sql.toUtf8();
    const int rc =
        sqlite3_prepare_v2(m_db, text.constData(), static_cast<int>(text.size()), &m_stmt, nullptr);
    if (rc != SQLITE_OK) {
        fail(rc);
        return;
    }
    bindAll(params);
}

Statement::Statement(const PgConnection& server, const QString& sql, const SqlParams& params)
    : m_server(std::make_unique<ServerStatement>(server, sql, params)) {}

Statement::~Statement() {
    if (m_stmt == nullptr) {
        return;
    }
    if (const std::shared_ptr<StatementCache> cache = m_cache.lock()) {
        cache->give(m_sql, m_stmt);
        return;
    }
    sqlite3_finalize(m_stmt);
}

Statement::Statement(Statement&& other) noexcept
    : m_db(other.m_db),
      m_stmt(other.m_stmt),
      m_cache(std::move(other.m_cache)),
      m_sql(std::move(other.m_sql)),
      m_writes(other.m_writes),
      m_code(other.m_code),
      m_engineMessage(std::move(other.m_engineMessage)),
      m_server(std::move(other.m_server)) {
    other.m_stmt = nullptr;
}

void Statement::fail(int code) {
    if (m_code != 0) {
        return;
    }
    m_code = code;
    m_engineMessage = QString::fromUtf8(sqlite3_errmsg(m_db));
    if (m_engineMessage.isEmpty()) {
        m_engineMessage = QString::fromUtf8(sqlite3_errstr(code));
    }
}

bool Statement::ok() const {
    return m_server ? m_server->ok() : m_code == 0;
}

QString Statement::errorString() const {
    if (ok()) {
        return QString();
    }
    if (m_server) {
        return m_server->failure();
    }
    return DatabaseError::Message(m_writes ? DatabaseError::SaveWhat() : DatabaseError::ReadWhat(),
                                  DatabaseError::PathOf(m_db), cause());
}

QString Statement::cause() const {
    if (m_server) {
        return m_server->failure();
    }
    return ok() ? QString() : DatabaseError::Cause(m_code, m_engineMessage);
}

Status Statement::status() const {
    return ok() ? Status::success() : Status::failure(errorString());
}

void Statement::bind(int index, const SqlValue& value) {
    if (m_server) {
        m_server->bind(index, value);
        return;
    }
    if (m_stmt == nullptr) {
        return;
    }
    int rc = SQLITE_OK;
    const auto& v = value.value();
    if (std::holds_alternative<std::int64_t>(v)) {
        rc = sqlite3_bind_int64(m_stmt, index, std::get<std::int64_t>(v));
    } else if (std::holds_alternative<double>(v)) {
        rc = sqlite3_bind_double(m_stmt, index, std::get<double>(v));
    } else if (std::holds_alternative<QString>(v)) {
        const QByteArray utf8 = std::get<QString>(v).toUtf8();
        rc = sqlite3_bind_text(m_stmt, index, utf8.constData(), static_cast<int>(utf8.size()),
                               SQLITE_TRANSIENT);
    } else {
        rc = sqlite3_bind_null(m_stmt, index);
    }
    if (rc != SQLITE_OK) {
        fail(rc);
    }
}

void Statement::bindAll(const SqlParams& params) {
    for (int i = 0; i < static_cast<int>(params.size()); ++i) {
        bind(i + 1, params[static_cast<size_t>(i)]);
    }
}

bool Statement::next() {
    if (m_server) {
        return m_server->next();
    }
    if (m_stmt == nullptr || !ok()) {
        return false;
    }
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW) {
        return true;
    }
    if ((rc & 0xff) != SQLITE_DONE) {
        fail(rc);
    }
    return false;
}

bool Statement::run() {
    while (next()) {
    }
    return ok();
}

void Statement::reset() {
    if (m_server) {
        m_server->reset();
        return;
    }
    if (m_stmt == nullptr) {
        return;
    }
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
    m_code = 0;
    m_engineMessage.clear();
}

int Statement::columnCount() const {
    if (m_server) {
        return m_server->columnCount();
    }
    return m_stmt ? sqlite3_column_count(m_stmt) : 0;
}

QString Statement::columnName(int column) const {
    if (m_server) {
        return m_server->columnName(column);
    }
    return QString::fromUtf8(sqlite3_column_name(m_stmt, column));
}

bool Statement::isNull(int column) const {
    if (m_server) {
        return m_server->row().isNull(column);
    }
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

int Statement::toInt(int column) const {
    if (m_server) {
        return static_cast<int>(m_server->row().toInt64(column));
    }
    return sqlite3_column_int(m_stmt, column);
}

long long Statement::toInt64(int column) const {
    if (m_server) {
        return m_server->row().toInt64(column);
    }
    return sqlite3_column_int64(m_stmt, column);
}

double Statement::toDouble(int column) const {
    if (m_server) {
        return m_server->row().toDouble(column);
    }
    return sqlite3_column_double(m_stmt, column);
}

QString Statement::toText(int column) const {
    if (m_server) {
        return m_server->row().toText(column);
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
    const int bytes = sqlite3_column_bytes(m_stmt, column);
    return text ? QString::fromUtf8(text, bytes) : QString();
}

SqlValue Statement::value(int column) const {
    if (m_server) {
        return m_server->row().value(column);
    }
    switch (sqlite3_column_type(m_stmt, column)) {
        case SQLITE_INTEGER:
            return SqlValue(toInt64(column));
        case SQLITE_FLOAT:
            return SqlValue(toDouble(column));
        case SQLITE_NULL:
            return SqlValue();
        default:
            return SqlValue(toText(column));
    }
}
