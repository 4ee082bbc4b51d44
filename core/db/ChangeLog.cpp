#include "db/ChangeLog.h"

#include "db/ChangeLogSchema.h"
#include "db/Database.h"
#include "db/Transaction.h"

#include <QRandomGenerator>

namespace ChangeLog {
namespace {

struct SchemaState {
    bool hasResults = false;
    bool hasLog = false;
};

Result<SchemaState> schemaState(const Database& db) {
    Statement state = db.prepare(
        QStringLiteral("SELECT (SELECT count(*) FROM sqlite_schema WHERE type = 'table' AND "
                       "name = 'Results'), (%1)")
            .arg(ChangeLogSchema::CountObjectsSql()));
    if (!state.next()) {
        return state.ok() ? Status::failure(QStringLiteral("The file's tables could not be read."))
                          : state.status();
    }
    return SchemaState{state.toInt(0) > 0, state.toInt(1) == ChangeLogSchema::ObjectCount()};
}

Status createLog(const Database& db) {
    for (const QString& sql : ChangeLogSchema::Statements()) {
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

std::optional<int> optionalInt(const Statement& row, int column) {
    return row.isNull(column) ? std::nullopt : std::optional<int>(row.toInt(column));
}

Change changeFrom(const Statement& row) {
    Change change;
    change.id = row.toInt64(0);
    change.when = row.toText(1);
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

const char* const kSelectChanges =
    "SELECT Id, strftime('%Y-%m-%d %H:%M:%S', At, 'localtime'), Who, Place, What, Weapon, Round, "
    "Strip, Fencer, Opponent, Bout, Subject, "
    "Before, After, BeforeValue, AfterValue FROM ChangeLog ";

Result<bool> logExists(const Database& db) {
    const Result<std::optional<long long>> found = db.queryInt(QStringLiteral(
        "SELECT count(*) FROM sqlite_schema WHERE type = 'table' AND name = 'ChangeLog'"));
    if (!found) {
        return found.status();
    }
    return found->value_or(0) > 0;
}

Result<std::vector<Change>> readChanges(const Database& db, const QString& where,
                                        const SqlParams& params) {
    const Result<bool> exists = logExists(db);
    if (!exists) {
        return exists.status();
    }
    std::vector<Change> changes;
    if (!*exists) {
        return changes;
    }
    Statement rows = db.prepare(QLatin1String(kSelectChanges) + where, params);
    while (rows.next()) {
        changes.push_back(changeFrom(rows));
    }
    if (!rows.ok()) {
        return rows.status();
    }
    return changes;
}

}  // namespace

Result<bool> BeginSave(const Database& db) {
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
    Status told = db.exec(QStringLiteral("INSERT OR REPLACE INTO ChangeWriter (Slot, Txn, Who, "
                                         "Place) VALUES (1, ?, ?, ?)"),
                          {newSaveNumber(), db.changeWho(), db.changePlace()});
    if (!told) {
        return told;
    }
    return true;
}

Status EndSave(const Database& db) {
    return db.exec(QStringLiteral("DELETE FROM ChangeWriter"));
}

Status MarkBoutsAs(const Database& db, const QString& what) {
    return db.exec(QStringLiteral("UPDATE ChangeWriter SET What = ?"), {what});
}

Status RecordInstead(const Database& db, const QString& what, const QString& subject,
                     std::optional<int> event) {
    if (Status quiet = db.exec(QStringLiteral("UPDATE ChangeWriter SET Quiet = 1")); !quiet) {
        return quiet;
    }
    return db.exec(
        QStringLiteral("INSERT INTO ChangeLog (At, Who, Place, What, Weapon, Subject, After, Txn) "
                       "SELECT strftime('%Y-%m-%d %H:%M:%S', 'now'), Who, Place, ?1, ?2, ?3, ?3, "
                       "Txn FROM ChangeWriter"),
        {what, event ? SqlValue(*event) : SqlValue(), subject});
}

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
    return readChanges(db, where + QStringLiteral(" ORDER BY Id DESC"), params);
}

Result<std::optional<Change>> Find(const Database& db, long long id) {
    const Result<std::vector<Change>> found = readChanges(db, QStringLiteral("WHERE Id = ?"), {id});
    if (!found) {
        return found.status();
    }
    return found->empty() ? std::nullopt : std::optional<Change>(found->front());
}

QString RoundText(const std::optional<int>& round) {
    if (!round) {
        return QString();
    }
    return *round == kFinalFourRound ? QStringLiteral("F4") : QString::number(*round + 1);
}

}  // namespace ChangeLog
