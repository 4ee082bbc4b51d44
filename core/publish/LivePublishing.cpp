#include "publish/LivePublishing.h"

#include "db/Database.h"
#include "db/StoreDialect.h"
#include "db/Transaction.h"

#include <QDir>
#include <QFileInfo>
#include <QSysInfo>

namespace LivePublishing {

namespace {

// Older files have no such table; it is made when a folder is first chosen.
QString createTable(const Database& db) {
    return QStringLiteral(
               "CREATE TABLE IF NOT EXISTS LivePublishing (Folder TEXT NOT NULL CHECK "
               "(length(Folder) > 0), Machine TEXT NOT NULL)") +
           StoreDialect::TableOptions(db.kind());
}

Result<bool> tableExists(const Database& db) {
    const Result<std::optional<long long>> count =
        db.queryInt(StoreDialect::ObjectCountSql(db.kind(), StoreDialect::ObjectType::Table),
                    {QStringLiteral("LivePublishing")});
    if (!count) {
        return count.status();
    }
    return count->value_or(0) > 0;
}

Status replaceRow(const Database& db, const std::optional<Target>& target) {
    Transaction transaction(db);
    if (!transaction.begun()) {
        return transaction.begun();
    }
    if (Status s = db.exec(createTable(db)); !s) {
        return s;
    }
    if (Status s = db.exec(QStringLiteral("DELETE FROM LivePublishing")); !s) {
        return s;
    }
    if (target) {
        if (Status s = db.exec(
                QStringLiteral("INSERT INTO LivePublishing (Folder, Machine) VALUES (?, ?)"),
                {target->folder, target->machine});
            !s) {
            return s;
        }
    }
    return transaction.commit();
}

}  // namespace

QString ThisMachine() {
    return QSysInfo::machineHostName();
}

Result<std::optional<Target>> Read(const Database& db) {
    const Result<bool> exists = tableExists(db);
    if (!exists) {
        return exists.status();
    }
    if (!*exists) {
        return std::optional<Target>();
    }
    Statement row =
        db.prepare(QStringLiteral("SELECT Folder, Machine FROM LivePublishing LIMIT 1"));
    if (!row.next()) {
        if (!row.ok()) {
            return row.status();
        }
        return std::optional<Target>();
    }
    return std::optional<Target>(Target{row.toText(0), row.toText(1)});
}

Status Remember(const Database& db, const QString& folder, const QString& machine) {
    return replaceRow(db, Target{QDir(folder).absolutePath(), machine});
}

Status Forget(const Database& db) {
    const Result<bool> exists = tableExists(db);
    if (!exists) {
        return exists.status();
    }
    return *exists ? replaceRow(db, std::nullopt) : Status::success();
}

Result<std::optional<QString>> FolderHere(const Database& db, const QString& machine) {
    const Result<std::optional<Target>> target = Read(db);
    if (!target) {
        return target.status();
    }
    if (!*target || (*target)->machine != machine) {
        return std::optional<QString>();
    }
    return std::optional<QString>((*target)->folder);
}

QDateTime LastWritten(const QString& folder) {
    const QFileInfo json(QDir(folder).filePath(QStringLiteral("results.json")));
    return json.exists() ? json.lastModified() : QDateTime();
}

}  // namespace LivePublishing
