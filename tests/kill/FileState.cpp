#include "FileState.h"

#include <sqlite3.h>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QStringList>

namespace {

// One open file; closed on every way out.
class Connection final {
public:
    explicit Connection(const QString& path) {
        if (sqlite3_open_v2(path.toUtf8().constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr) !=
            SQLITE_OK) {
            m_error = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QStringLiteral("no memory");
        }
    }
    ~Connection() { sqlite3_close(m_db); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    const QString& error() const { return m_error; }

    // Every row of `sql` as its values joined by a unit separator; an error as one row.
    QStringList rows(const QString& sql) const {
        QStringList out;
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &statement, nullptr) !=
            SQLITE_OK) {
            return {QStringLiteral("error: ") + QString::fromUtf8(sqlite3_errmsg(m_db))};
        }
        int rc = SQLITE_ROW;
        while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
            QStringList values;
            for (int c = 0; c < sqlite3_column_count(statement); ++c) {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, c));
                values << (text ? QString::fromUtf8(text) : QStringLiteral("\\N"));
            }
            out << values.join(QChar(0x1f));
        }
        if (rc != SQLITE_DONE) {
            out << QStringLiteral("error: ") + QString::fromUtf8(sqlite3_errmsg(m_db));
        }
        sqlite3_finalize(statement);
        return out;
    }

private:
    sqlite3* m_db = nullptr;
    QString m_error;
};

}  // namespace

FileState FileState::Read(const QString& path) {
    FileState state;
    state.exists = QFileInfo::exists(path);
    if (!state.exists) {
        return state;
    }
    const Connection db(path);
    if (!db.error().isEmpty()) {
        state.integrity = db.error();
        return state;
    }
    state.integrity = db.rows(QStringLiteral("PRAGMA integrity_check")).join(QLatin1Char('\n'));
    QCryptographicHash digest(QCryptographicHash::Sha256);
    const QStringList schema =
        db.rows(QStringLiteral("SELECT type, name, sql FROM sqlite_master ORDER BY type, name"));
    digest.addData(schema.join(QLatin1Char('\n')).toUtf8());
    for (const QString& table : db.rows(
             QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"))) {
        // The change log's time and save number differ from one run of a command to the next.
        const QString columns =
            table == QLatin1String("ChangeLog")
                ? QStringLiteral(
                      "Id, Who, Place, What, Weapon, Round, Strip, Fencer, Opponent, "
                      "Bout, Team, StripSet, Subject, Before, After, BeforeValue, "
                      "AfterValue")
                : QStringLiteral("*");
        QStringList rows = db.rows(QStringLiteral("SELECT %1 FROM \"%2\"").arg(columns, table));
        rows.sort();  // rows have no order of their own
        digest.addData(QStringLiteral("\n%1\n").arg(table).toUtf8());
        digest.addData(rows.join(QLatin1Char('\n')).toUtf8());
    }
    state.fingerprint = digest.result().toHex();
    return state;
}

QString FileState::Query(const QString& path, const QString& sql) {
    const Connection db(path);
    if (!db.error().isEmpty()) {
        return QString();
    }
    return db.rows(sql).value(0);
}
