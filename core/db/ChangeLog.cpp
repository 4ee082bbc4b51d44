#include "db/ChangeLog.h"

#include "db/ChangeLogSchema.h"
#include "db/Database.h"
#include "db/PgConnection.h"
#include "db/Transaction.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <QTimeZone>

namespace ChangeLog {
namespace {

const char* const kTimeFormat = "yyyy-MM-dd HH:mm:ss";

// A time the server wrote in universal time, in this station's local time; as it was when
// it cannot be read.
QString localFromUtc(const QString& utc) {
    QDateTime at = QDateTime::fromString(utc, QLatin1String(kTimeFormat));
    if (!at.isValid()) {
        return utc;
    }
    at.setTimeZone(QTimeZone::utc());
    return at.toLocalTime().toString(QLatin1String(kTimeFormat));
}

QString asWritten(const QString& text) {
    return text;
}

// The log's SQL at run time where the two stores differ. A file gets its log at its first
// save; a server championship is made with its log, so that no station ever adds triggers
// while another saves.
struct StoreSql {
    bool madeWithLog;
    QString tellWriter;  // fills the writer row: save number, who, where
    QString logTables;   // counts the log's table
    QString readTime;    // At as the history reads it
    QString (*localTime)(const QString& read);
};

const StoreSql& sqlOf(StoreKind store) {
    static const StoreSql file{
        false,
        QStringLiteral(
            "INSERT OR REPLACE INTO ChangeWriter (Slot, Txn, Who, Place) VALUES (1, ?, ?, ?)"),
        QStringLiteral(
            "SELECT count(*) FROM sqlite_schema WHERE type = 'table' AND name = 'ChangeLog'"),
        QStringLiteral("strftime('%Y-%m-%d %H:%M:%S', At, 'localtime')"), asWritten};
    static const StoreSql server{
        true,
        QStringLiteral("INSERT INTO ChangeWriter (Slot, Txn, Who, Place) VALUES (1, ?, ?, ?) ON "
                       "CONFLICT (Slot) DO UPDATE SET Txn = excluded.Txn, Who = excluded.Who, "
                       "Place = excluded.Place, What = NULL, Quiet = 0"),
        QStringLiteral("SELECT count(*) FROM pg_catalog.pg_tables WHERE schemaname = "
                       "current_schema() AND tablename = 'changelog'"),
        QStringLiteral("At"), localFromUtc};
    return store == StoreKind::File ? file : server;
}

// The first value of the first row, as a number; 0 for none.
Result<long long> firstNumber(const SqlStore& store, const QString& sql) {
    const Result<SqlRows> found = store.rows(sql);
    if (!found) {
        return found.status();
    }
    if (found->empty() || found->front().empty()) {
        return 0LL;
    }
    const auto* number = std::get_if<std::int64_t>(&found->front().front().value());
    return number ? static_cast<long long>(*number) : 0LL;
}

struct SchemaState {
    bool hasResults = false;
    bool hasLog = false;
};

Result<SchemaState> schemaState(const Database& db) {
    Statement state = db.prepare(
        QStringLiteral("SELECT (SELECT count(*) FROM sqlite_schema WHERE type = 'table' AND "
                       "name = 'Results'), (%1)")
            .arg(ChangeLogSchema::CountObjectsSql(StoreKind::File)));
    if (!state.next()) {
        return state.ok() ? Status::failure(QStringLiteral("The file's tables could not be read."))
                          : state.status();
    }
    return SchemaState{state.toInt(0) > 0, state.toInt(1) == ChangeLogSchema::ObjectCount()};
}

Status createLog(const Database& db) {
    for (const QString& sql : ChangeLogSchema::Statements(StoreKind::File)) {
        if (Status made = db.exec(sql); !made) {
            return made;
        }
    }
    return Status::success();
}

// A number that tells this save's log rows from every other save's.
long long newSaveNumber() {
    return static_cast<long long>(QRandomGenerator::global()->generate64() >> 1);
}

// The rows of a query, read one after another: a file's Statement or the server's PgRows.
Statement query(const Database& db, const QString& sql, const SqlParams& params) {
    return db.prepare(sql, params);
}

PgRows query(const PgConnection& connection, const QString& sql, const SqlParams& params) {
    return connection.query(sql, params);
}

template <typename Row>
std::optional<int> optionalInt(const Row& row, int column) {
    return row.isNull(column) ? std::nullopt
                              : std::optional<int>(static_cast<int>(row.toInt64(column)));
}

template <typename Row>
Change changeFrom(const Row& row, const StoreSql& sql) {
    Change change;
    change.id = row.toInt64(0);
    change.when = sql.localTime(row.toText(1));
    change.who = row.toText(2);
    change.where = row.toText(3);
    change.what = row.toText(4);
    change.event = optionalInt(row, 5);
    change.round = optionalInt(row, 6);
    change.strip = row.toText(7);
    change.fencer = optionalInt(row, 8);
    change.opponent = optionalInt(row, 9);
    change.bout = optionalInt(row, 10);
    change.subject = row.toText(11);
    change.before = row.toText(12);
    change.after = row.toText(13);
    change.beforeValue = row.toText(14);
    change.afterValue = row.toText(15);
    return change;
}

template <typename Store>
Result<std::vector<Change>> readChanges(const Store& store, const QString& where,
                                        const SqlParams& params) {
    const StoreSql& sql = sqlOf(store.kind());
    const Result<long long> tables = firstNumber(store, sql.logTables);
    if (!tables) {
        return tables.status();
    }
    std::vector<Change> changes;
    if (*tables == 0) {
        return changes;
    }
    auto rows = query(store,
                      QStringLiteral("SELECT Id, %1, Who, Place, What, Weapon, Round, Strip, "
                                     "Fencer, Opponent, Bout, Subject, Before, After, BeforeValue, "
                                     "AfterValue FROM ChangeLog ")
                              .arg(sql.readTime) +
                          where,
                      params);
    while (rows.next()) {
        changes.push_back(changeFrom(rows, sql));
    }
    if (!rows.ok()) {
        return rows.status();
    }
    return changes;
}

template <typename Store>
Result<std::vector<Change>> readFiltered(const Store& store, const Filter& filter) {
    QStringList conditions;
    SqlParams params;
    if (filter.event) {
        conditions << QStringLiteral("Weapon = ?");
        params.push_back(*filter.event);
    }
    if (filter.round) {
        conditions << QStringLiteral("Round = ?");
        params.push_back(*filter.round);
    }
    if (filter.fencer) {
        conditions << QStringLiteral("(Fencer = ? OR Opponent = ?)");
        params.push_back(*filter.fencer);
        params.push_back(*filter.fencer);
    }
    const QString where = conditions.isEmpty()
                              ? QString()
                              : QStringLiteral("WHERE ") + conditions.join(QStringLiteral(" AND "));
    return readChanges(store, where + QStringLiteral(" ORDER BY Id DESC"), params);
}

template <typename Store>
Result<std::optional<Change>> findOne(const Store& store, long long id) {
    const Result<std::vector<Change>> found =
        readChanges(store, QStringLiteral("WHERE Id = ?"), {id});
    if (!found) {
        return found.status();
    }
    return found->empty() ? std::nullopt : std::optional<Change>(found->front());
}

}  // namespace

Result<bool> BeginSave(const Database& db) {
    if (!sqlOf(db.kind()).madeWithLog) {
        const Result<SchemaState> state = schemaState(db);
        if (!state) {
            return state.status();
        }
        if (!state->hasResults) {
            return false;
        }
        if (!state->hasLog) {
            if (Status made = createLog(db); !made) {
                return made;
            }
        }
    }
    return BeginSave(db, db.changeWho(), db.changePlace());
}

Result<bool> BeginSave(const SqlStore& store, const QString& who, const QString& place) {
    Status told = store.exec(sqlOf(store.kind()).tellWriter, {newSaveNumber(), who, place});
    if (!told) {
        return told;
    }
    return true;
}

Status EndSave(const SqlStore& store) {
    return store.exec(QStringLiteral("DELETE FROM ChangeWriter"));
}

Status MarkBoutsAs(const SqlStore& store, const QString& what) {
    return store.exec(QStringLiteral("UPDATE ChangeWriter SET What = ?"), {what});
}

Status RecordInstead(const SqlStore& store, const QString& what, const QString& subject,
                     std::optional<int> event) {
    if (Status quiet = store.exec(QStringLiteral("UPDATE ChangeWriter SET Quiet = 1")); !quiet) {
        return quiet;
    }
    return store.exec(
        QStringLiteral("INSERT INTO ChangeLog (At, Who, Place, What, Weapon, Subject, After, Txn) "
                       "SELECT %1, Who, Place, ?1, ?2, ?3, ?3, Txn FROM ChangeWriter")
            .arg(StoreDialect::UtcNowText(store.kind())),
        {what, event ? SqlValue(*event) : SqlValue(), subject});
}

// Snapshots are files: only a championship file puts one back.
Status RecordRestore(const Database& db, const QString& beforePath, const QString& snapshot) {
    if (Status attached =
            db.exec(QStringLiteral("ATTACH DATABASE ? AS BeforeRestore"), {beforePath});
        !attached) {
        return attached;
    }
    Status recorded = [&] {
        Transaction transaction(db);
        if (!transaction.begun()) {
            return transaction.begun();
        }
        const Result<std::optional<long long>> hadLog = db.queryInt(QStringLiteral(
            "SELECT count(*) FROM BeforeRestore.sqlite_schema WHERE name = 'ChangeLog'"));
        if (!hadLog) {
            return hadLog.status();
        }
        if (hadLog->value_or(0) > 0) {
            const QString columns = QStringLiteral(
                "Id, At, Who, Place, What, Weapon, Round, Strip, Fencer, Opponent, Bout, Team, "
                "StripSet, Subject, Before, After, BeforeValue, AfterValue, Txn");
            if (Status kept = db.exec(QStringLiteral("INSERT OR IGNORE INTO main.ChangeLog (%1) "
                                                     "SELECT %1 FROM BeforeRestore.ChangeLog")
                                          .arg(columns));
                !kept) {
                return kept;
            }
        }
        if (Status logged = RecordInstead(db, QStringLiteral("restore"),
                                          QStringLiteral("restored %1").arg(snapshot));
            !logged) {
            return logged;
        }
        return transaction.commit();
    }();
    const Status detached = db.exec(QStringLiteral("DETACH DATABASE BeforeRestore"));
    return recorded ? detached : recorded;
}

Result<std::vector<Change>> Read(const Database& db, const Filter& filter) {
    return readFiltered(db, filter);
}

Result<std::vector<Change>> Read(const PgConnection& connection, const Filter& filter) {
    return readFiltered(connection, filter);
}

Result<std::optional<Change>> Find(const Database& db, long long id) {
    return findOne(db, id);
}

Result<std::optional<Change>> Find(const PgConnection& connection, long long id) {
    return findOne(connection, id);
}

QString RoundText(const std::optional<int>& round) {
    if (!round) {
        return QString();
    }
    return *round == kFinalFourRound ? QStringLiteral("F4") : QString::number(*round + 1);
}

}  // namespace ChangeLog
