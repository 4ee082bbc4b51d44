#include "db/PgConnection.h"

#include "db/DatabaseError.h"
#include "db/ReadRows.h"
#include "db/ServerError.h"
#include "db/StoreDialect.h"

#include <libpq-fe.h>
#include <QUuid>
#include <array>
#include <vector>

namespace {

// Type numbers of the server's built-in types (pg_type.oid), fixed since their creation.
constexpr Oid kUnknownType = 0;
constexpr Oid kBoolType = 16;
constexpr Oid kInt8Type = 20;
constexpr Oid kInt2Type = 21;
constexpr Oid kInt4Type = 23;
constexpr Oid kFloat4Type = 700;
constexpr Oid kFloat8Type = 701;
constexpr Oid kNumericType = 1700;
constexpr int kTextFormat = 0;
// A connection attempt that hears nothing gives up after this many seconds, unless the
// address says otherwise.
const char* const kConnectTimeoutSeconds = "10";
// The key of the advisory lock every save of a championship takes ("ORLE"); advisory locks
// belong to one database, so championships on the same server do not wait for each other.
constexpr long long kSaveLockKey = 0x4F524C45;

// Whether a failure of the statement is worded as a failed save or a failed read.
bool changesTheChampionship(const QString& sql) {
    const QString head = sql.trimmed().section(QLatin1Char(' '), 0, 0).toUpper();
    return head != QLatin1String("SELECT") && head != QLatin1String("WITH");
}

// The parameters as text, with the kind of each: numbers go as numbers, text as "unknown"
// so that the server reads it as the column's kind (case-insensitive text included).
class BoundValues {
public:
    explicit BoundValues(const SqlParams& params) {
        for (const SqlValue& param : params) {
            add(param);
        }
        for (const QByteArray& text : m_texts) {
            m_pointers.push_back(text.isNull() ? nullptr : text.constData());
        }
    }
    int count() const { return static_cast<int>(m_types.size()); }
    const Oid* types() const { return m_types.data(); }
    const char* const* values() const { return m_pointers.data(); }

private:
    void add(const SqlValue& param) {
        const auto& v = param.value();
        if (const auto* number = std::get_if<std::int64_t>(&v)) {
            m_types.push_back(kInt8Type);
            m_texts.push_back(QByteArray::number(static_cast<qlonglong>(*number)));
        } else if (const auto* real = std::get_if<double>(&v)) {
            m_types.push_back(kFloat8Type);
            m_texts.push_back(QByteArray::number(*real, 'g', 17));
        } else if (const auto* text = std::get_if<QString>(&v)) {
            m_types.push_back(kUnknownType);
            // An empty text is a value, not a missing one.
            QByteArray utf8 = text->toUtf8();
            m_texts.push_back(utf8.isNull() ? QByteArray("") : utf8);
        } else {
            m_types.push_back(kUnknownType);
            m_texts.push_back(QByteArray());
        }
    }

    std::vector<Oid> m_types;
    std::vector<QByteArray> m_texts;
    std::vector<const char*> m_pointers;
};

void ignoreNotice(void*, const char*) {}

bool succeeded(const PGresult* result) {
    const ExecStatusType status = PQresultStatus(result);
    return status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK;
}

}  // namespace

PgRows::PgRows(pg_result* result, const QString& failure) : m_result(result), m_failure(failure) {}

PgRows::~PgRows() {
    PQclear(m_result);
}

PgRows::PgRows(PgRows&& other) noexcept
    : m_result(other.m_result), m_failure(std::move(other.m_failure)), m_row(other.m_row) {
    other.m_result = nullptr;
}

Status PgRows::status() const {
    return ok() ? Status::success() : Status::failure(m_failure);
}

bool PgRows::next() {
    if (!ok() || m_result == nullptr || m_row + 1 >= PQntuples(m_result)) {
        return false;
    }
    ++m_row;
    return true;
}

QString PgRows::commandTag() const {
    return m_result ? QString::fromUtf8(PQcmdStatus(m_result)) : QString();
}

int PgRows::columnCount() const {
    return m_result ? PQnfields(m_result) : 0;
}

QString PgRows::columnName(int column) const {
    return QString::fromUtf8(PQfname(m_result, column));
}

bool PgRows::isNull(int column) const {
    return PQgetisnull(m_result, m_row, column) != 0;
}

long long PgRows::toInt64(int column) const {
    const char* text = PQgetvalue(m_result, m_row, column);
    // A comparison reads as a number, 1 or 0, as it does in a file.
    if (PQftype(m_result, column) == kBoolType) {
        return text[0] == 't' ? 1 : 0;
    }
    return QByteArray(text).toLongLong();
}

double PgRows::toDouble(int column) const {
    return QByteArray(PQgetvalue(m_result, m_row, column)).toDouble();
}

QString PgRows::toText(int column) const {
    return QString::fromUtf8(PQgetvalue(m_result, m_row, column),
                             PQgetlength(m_result, m_row, column));
}

SqlValue PgRows::value(int column) const {
    if (isNull(column)) {
        return SqlValue();
    }
    switch (PQftype(m_result, column)) {
        case kBoolType:
        case kInt2Type:
        case kInt4Type:
        case kInt8Type:
            return SqlValue(toInt64(column));
        case kNumericType:
            // A sum of whole numbers is a whole number, as in a file.
            if (!toText(column).contains(QLatin1Char('.'))) {
                return SqlValue(toInt64(column));
            }
            return SqlValue(toDouble(column));
        case kFloat4Type:
        case kFloat8Type:
            return SqlValue(toDouble(column));
        default:
            return SqlValue(toText(column));
    }
}

namespace {

// Calls libpq's `connect` with the program's connection defaults; the address's own
// settings override them, as later entries win.
template <typename Connect>
pg_conn* connectWithDefaults(const ServerUri& uri, Connect connect) {
    const QByteArray address = uri.text().toUtf8();
    const std::array<const char*, 4> keywords = {"connect_timeout", "client_encoding", "dbname",
                                                 nullptr};
    const std::array<const char*, 4> values = {kConnectTimeoutSeconds, "UTF8", address.constData(),
                                               nullptr};
    return connect(keywords.data(), values.data(), 1);
}

}  // namespace

pg_conn* PgConnection::StartConnecting(const ServerUri& uri) {
    return connectWithDefaults(uri, PQconnectStartParams);
}

std::unique_ptr<PgConnection> PgConnection::Connect(const ServerUri& uri, QString* error) {
    PGconn* connection = connectWithDefaults(uri, PQconnectdbParams);
    if (connection == nullptr || PQstatus(connection) != CONNECTION_OK) {
        if (error) {
            const QString libpqMessage =
                connection ? QString::fromUtf8(PQerrorMessage(connection)) : QString();
            *error = DatabaseError::Message(
                ServerError::ConnectWhat(), uri.caption(),
                connection ? ServerError::ConnectCause(libpqMessage, uri.databaseName())
                           : QStringLiteral("the computer ran out of memory"));
        }
        PQfinish(connection);
        return nullptr;
    }
    PQsetNoticeProcessor(connection, ignoreNotice, nullptr);
    return std::unique_ptr<PgConnection>(new PgConnection(connection, uri));
}

PgConnection::~PgConnection() {
    PQfinish(m_connection);
}

void PgConnection::reconnectIfLost() const {
    if (!m_inSave && PQstatus(m_connection) == CONNECTION_BAD) {
        PQreset(m_connection);
    }
}

pg_result* PgConnection::send(const QByteArray& text, const SqlParams& params) const {
    const BoundValues bound(params);
    return bound.count() == 0
               ? PQexec(m_connection, text.constData())
               : PQexecParams(m_connection, text.constData(), bound.count(), bound.types(),
                              bound.values(), nullptr, nullptr, kTextFormat);
}

pg_result* PgConnection::run(const QString& sql, const SqlParams& params, QString* failure) const {
    reconnectIfLost();
    const QByteArray text = StoreDialect::ServerSql(sql).toUtf8();
    PGresult* result = send(text, params);
    // A server restarted since the last statement drops the connection only now: a read, or
    // the start of a save, is sent once more on a new one (nothing of it had been done).
    if (!succeeded(result) && PQstatus(m_connection) == CONNECTION_BAD && !m_inSave &&
        (!changesTheChampionship(sql) || sql == QLatin1String("BEGIN"))) {
        PQclear(result);
        reconnectIfLost();
        result = send(text, params);
    }
    if (!succeeded(result)) {
        *failure = DatabaseError::Message(
            changesTheChampionship(sql) ? ServerError::SaveWhat() : ServerError::ReadWhat(),
            caption(), ServerError::CauseOf(m_connection, result));
    }
    return result;
}

PgRows PgConnection::query(const QString& sql, const SqlParams& params) const {
    QString failure;
    pg_result* result = run(sql, params, &failure);
    return PgRows(result, failure);
}

Status PgConnection::exec(const QString& sql, const SqlParams& params) const {
    return query(sql, params).status();
}

Status PgConnection::execScript(const QString& sql) const {
    return query(sql).status();
}

Result<SqlRows> PgConnection::rows(const QString& sql, const SqlParams& params) const {
    PgRows found = query(sql, params);
    return ReadRows::All(found);
}

Result<std::optional<long long>> PgConnection::queryInt(const QString& sql,
                                                        const SqlParams& params) const {
    PgRows found = query(sql, params);
    return ReadRows::FirstInt(found);
}

Status PgConnection::beginSave() const {
    reconnectIfLost();
    Status begun = exec(QStringLiteral("BEGIN"));
    if (!begun) {
        return begun;
    }
    m_inSave = true;
    Status locked = exec(QStringLiteral("SELECT pg_advisory_xact_lock(?)"), {kSaveLockKey});
    if (!locked) {
        rollbackSave();
    }
    return locked;
}

const QString& PgConnection::SavedChannel() {
    static const QString channel = QStringLiteral("orle_saved");
    return channel;
}

const QString& PgConnection::ThisStation() {
    static const QString mark = QUuid::createUuid().toString(QUuid::WithoutBraces);
    return mark;
}

Status PgConnection::commitSave() const {
    // The other stations hear of the save when it commits, and not at all when it does not.
    if (Status announced =
            exec(QStringLiteral("SELECT pg_notify(?, ?)"), {SavedChannel(), ThisStation()});
        !announced) {
        rollbackSave();
        return announced;
    }
    const PgRows committed = query(QStringLiteral("COMMIT"));
    m_inSave = false;
    if (!committed.ok()) {
        return committed.status();
    }
    // A transaction in which a statement failed ends in a rollback, which is no save.
    if (committed.commandTag() != QLatin1String("COMMIT")) {
        return Status::failure(
            DatabaseError::Message(ServerError::SaveWhat(), caption(),
                                   QStringLiteral("the server undid the save, as a part of it "
                                                  "had failed")));
    }
    return Status::success();
}

void PgConnection::rollbackSave() const {
    // Should the rollback fail, the server undoes the save when the connection closes, and
    // the save's own failure has been reported.
    static_cast<void>(execScript(QStringLiteral("ROLLBACK")));
    m_inSave = false;
}

Status PgConnection::readAsOneMoment(const std::function<Status()>& read) const {
    if (m_inSave) {
        return read();
    }
    if (Status begun = exec(QStringLiteral("BEGIN ISOLATION LEVEL REPEATABLE READ, READ ONLY"));
        !begun) {
        return begun;
    }
    const Status done = read();
    // Nothing was written: ending the transaction either way leaves the championship as it was.
    const Status ended = execScript(done ? QStringLiteral("COMMIT") : QStringLiteral("ROLLBACK"));
    return done ? ended : done;
}

PgTransaction::PgTransaction(const PgConnection& connection)
    : m_connection(connection), m_begun(connection.beginSave()) {
    m_open = m_begun.ok();
}

PgTransaction::~PgTransaction() {
    if (m_open) {
        // A save that did not commit is undone; should the rollback fail, the server
        // undoes it when the connection closes, and the failure has been reported.
        m_connection.rollbackSave();
    }
}

Status PgTransaction::commit() {
    if (!m_open) {
        return m_begun.ok() ? Status::failure(QStringLiteral("The transaction has ended."))
                            : m_begun;
    }
    m_open = false;
    return m_connection.commitSave();
}
