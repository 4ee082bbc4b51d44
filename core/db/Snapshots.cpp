#include "db/Snapshots.h"

#include "db/ChampionshipCopy.h"
#include "db/ChampionshipFile.h"
#include "db/ChangeLog.h"
#include "db/Database.h"
#include "db/DatabaseError.h"
#include "db/PgConnection.h"
#include "db/StationFolder.h"
#include "db/Transaction.h"

#include <sqlite3.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace Snapshots {
namespace {

constexpr auto kFolderName = "Backups";
// Snapshots kept as each round of an event is completed: "round_ms_3".
constexpr auto kRoundPrefix = "round_";
constexpr auto kStampFormat = "yyyyMMdd-HHmmss";
constexpr qsizetype kLongestNoteWord = 32;
// A backup step of -1 copies every page at once, so the copy is of one moment.
constexpr int kAllPages = -1;

const QStringList& automaticReasons() {
    static const QStringList reasons = {QStringLiteral("reset"),   QStringLiteral("redraw"),
                                        QStringLiteral("reseed"),  QStringLiteral("import"),
                                        QStringLiteral("restore"), QStringLiteral("round")};
    return reasons;
}

QString takeWhat() {
    return QStringLiteral("Could not make a snapshot of the championship file");
}

QString restoreWhat() {
    return QStringLiteral("Could not restore a snapshot into the championship file");
}

Status failure(const QString& what, const QString& path, const QString& cause) {
    return Status::failure(DatabaseError::Message(what, path, cause));
}

// <stem>-YYYYMMDD-HHMMSS-<reason>[.N].mdb; N tells apart snapshots taken in one second.
QRegularExpression namePattern(const QString& stem) {
    return QRegularExpression(
        QStringLiteral("^%1-(\\d{8}-\\d{6})-([a-z0-9_]+)(?:\\.(\\d+))?\\.mdb$")
            .arg(QRegularExpression::escape(stem)));
}

struct Listed {
    Snapshot snapshot;
    int sequence = 0;
};

// Copies every page of one connection's file into another's, as one consistent moment.
Status copyPages(sqlite3* from, sqlite3* into, const QString& what, const QString& path) {
    sqlite3_backup* backup = sqlite3_backup_init(into, "main", from, "main");
    if (backup == nullptr) {
        return failure(what, path,
                       DatabaseError::Cause(sqlite3_extended_errcode(into),
                                            QString::fromUtf8(sqlite3_errmsg(into))));
    }
    const int stepped = sqlite3_backup_step(backup, kAllPages);
    const int finished = sqlite3_backup_finish(backup);
    const int code = stepped == SQLITE_DONE ? finished : stepped;
    if (code != SQLITE_OK && code != SQLITE_DONE) {
        return failure(what, path,
                       DatabaseError::Cause(code, QString::fromUtf8(sqlite3_errstr(code))));
    }
    return Status::success();
}

Status ensureFolder(const QString& championshipPath) {
    const QString folder = FolderFor(championshipPath);
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir()) {
        return failure(takeWhat(), championshipPath,
                       QStringLiteral("%1 beside it is a file, not a folder, so no snapshot can "
                                      "be kept there")
                           .arg(QDir::toNativeSeparators(folder)));
    }
    if (!QDir().mkpath(folder)) {
        return failure(takeWhat(), championshipPath,
                       QStringLiteral("the folder %1 could not be made (you may not write beside "
                                      "the file)")
                           .arg(QDir::toNativeSeparators(folder)));
    }
    return Status::success();
}

// Snapshots of one second are numbered in the order taken, whatever their reasons, so the
// listing keeps them in that order.
QString freeName(const QString& championshipPath, const QString& reason) {
    const QDir folder(FolderFor(championshipPath));
    const QString stamped = QStringLiteral("%1-%2-").arg(
        StationFolder::StemFor(championshipPath),
        QDateTime::currentDateTime().toString(QLatin1String(kStampFormat)));
    int sequence =
        static_cast<int>(folder.entryList({stamped + QStringLiteral("*.mdb")}, QDir::Files).size());
    QString name;
    do {
        ++sequence;
        name = folder.filePath(
            sequence == 1 ? QStringLiteral("%1%2.mdb").arg(stamped, reason)
                          : QStringLiteral("%1%2.%3.mdb").arg(stamped, reason).arg(sequence));
    } while (QFileInfo::exists(name));
    return name;
}

// A server championship's snapshot is a championship file holding every row of it, read as
// one moment although other stations keep saving.
Status writeServerCopy(const Database& db, const QString& working) {
    return db.server()->readAsOneMoment([&db, &working] {
        return ChampionshipFile::CreateWith(working, [&db](const SqlStore& into) {
            return ChampionshipCopy::CopyRows(db, into).status();
        });
    });
}

Status writeFileCopy(const Database& db, const QString& working) {
    sqlite3* copy = nullptr;
    const int opened = sqlite3_open_v2(working.toUtf8().constData(), &copy,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    Status written =
        opened == SQLITE_OK
            ? copyPages(db.handle(), copy, takeWhat(), db.path())
            : failure(takeWhat(), db.path(),
                      DatabaseError::Cause(opened, QString::fromUtf8(sqlite3_errstr(opened))));
    if (sqlite3_close(copy) != SQLITE_OK && written) {
        written = failure(takeWhat(), db.path(), QStringLiteral("the copy could not be closed"));
    }
    return written;
}

// Writes the copy under a working name first and renames it into place.
Status writeCopy(const Database& db, const QString& target) {
    const QString working = target + QStringLiteral(".part");
    QFile::remove(working);
    Status written = db.server() ? writeServerCopy(db, working) : writeFileCopy(db, working);
    if (written && !QFile::rename(working, target)) {
        written = failure(
            takeWhat(), db.path(),
            QStringLiteral("the copy could not be named %1").arg(QDir::toNativeSeparators(target)));
    }
    if (!written) {
        QFile::remove(working);
    }
    return written;
}

Result<std::vector<Listed>> listed(const QString& championshipPath) {
    const QRegularExpression pattern = namePattern(StationFolder::StemFor(championshipPath));
    std::vector<Listed> found;
    const QDir folder(FolderFor(championshipPath));
    for (const QFileInfo& file : folder.entryInfoList(QDir::Files)) {
        const QRegularExpressionMatch match = pattern.match(file.fileName());
        if (!match.hasMatch()) {
            continue;
        }
        const QDateTime when =
            QDateTime::fromString(match.captured(1), QLatin1String(kStampFormat));
        found.push_back({{file.absoluteFilePath(), when, match.captured(2)},
                         match.captured(3).isEmpty() ? 1 : match.captured(3).toInt()});
    }
    std::sort(found.begin(), found.end(), [](const Listed& a, const Listed& b) {
        if (a.snapshot.when != b.snapshot.when) {
            return a.snapshot.when > b.snapshot.when;
        }
        return a.sequence > b.sequence;
    });
    return found;
}

Status pruneAutomatic(const QString& championshipPath) {
    const Result<std::vector<Listed>> found = listed(championshipPath);
    if (!found) {
        return found.status();
    }
    int kept = 0;
    for (const Listed& entry : *found) {
        if (IsAutomatic(entry.snapshot.reason) && ++kept > kKeptAutomatic &&
            !QFile::remove(entry.snapshot.path)) {
            return failure(takeWhat(), championshipPath,
                           QStringLiteral("the old snapshot %1 could not be removed")
                               .arg(QDir::toNativeSeparators(entry.snapshot.path)));
        }
    }
    return Status::success();
}

// The snapshot opened for reading, refused when it is not a championship file.
std::unique_ptr<Database> openSnapshot(const QString& path, const QString& into, Status* why) {
    if (!QFileInfo(path).isFile()) {
        *why = failure(
            restoreWhat(), into,
            QStringLiteral("the snapshot %1 is not there").arg(QDir::toNativeSeparators(path)));
        return nullptr;
    }
    QString reason;
    std::unique_ptr<Database> snapshot = Database::open(path, Database::Mode::ReadOnly, &reason);
    if (snapshot) {
        const Result<std::optional<long long>> version =
            snapshot->queryInt(QStringLiteral("SELECT COUNT(*) FROM VersionInfo"));
        if (!version) {
            reason = version.status().message();
            snapshot.reset();
        }
    }
    if (!snapshot) {
        *why = failure(restoreWhat(), into,
                       QStringLiteral("the snapshot %1 cannot be read as a championship file (%2)")
                           .arg(QDir::toNativeSeparators(path), reason));
    }
    return snapshot;
}

// Puts the snapshot's rows in place of a server championship's, in one save recorded as the
// restore; the log keeps every change the stations made, as it lives beside the rows.
Status restoreRows(const Database& db, const Database& snapshot, const QString& name) {
    Transaction save(db);
    if (!save.begun()) {
        return save.begun();
    }
    if (Status logged = ChangeLog::RecordInstead(db, QStringLiteral("restore"),
                                                 QStringLiteral("restored %1").arg(name));
        !logged) {
        return logged;
    }
    std::vector<const TableDef*> tables = ChampionshipCopy::TablesInWritingOrder();
    for (auto table = tables.rbegin(); table != tables.rend(); ++table) {
        if (Status emptied =
                db.exec(QStringLiteral("DELETE FROM \"%1\"").arg(QLatin1String((*table)->name)));
            !emptied) {
            return emptied;
        }
    }
    if (const Result<long long> copied = ChampionshipCopy::CopyRows(snapshot, db); !copied) {
        return copied.status();
    }
    return save.commit();
}

}  // namespace

QString FolderFor(const QString& championshipPath) {
    return QDir(StationFolder::For(championshipPath)).filePath(QLatin1String(kFolderName));
}

bool IsAutomatic(const QString& reason) {
    return automaticReasons().contains(reason) || reason.startsWith(QLatin1String(kRoundPrefix));
}

QString ReasonFromNote(const QString& note) {
    static const QRegularExpression unsafe(QStringLiteral("[^a-z0-9]+"));
    QString word = note.toLower().replace(unsafe, QStringLiteral("_"));
    while (word.startsWith(QLatin1Char('_'))) {
        word.remove(0, 1);
    }
    word = word.left(kLongestNoteWord);
    while (word.endsWith(QLatin1Char('_'))) {
        word.chop(1);
    }
    if (word.isEmpty()) {
        return QStringLiteral("manual");
    }
    // A note saying "reset" is still the staff's own and must not be pruned with the rest.
    return IsAutomatic(word) ? QStringLiteral("manual_") + word : word;
}

Result<QString> Take(const Database& db, const QString& reason) {
    if (Status folder = ensureFolder(db.path()); !folder) {
        return folder;
    }
    const QString target = freeName(db.path(), reason);
    if (Status written = writeCopy(db, target); !written) {
        return written;
    }
    if (IsAutomatic(reason)) {
        if (Status pruned = pruneAutomatic(db.path()); !pruned) {
            return pruned;
        }
    }
    return target;
}

Status Before(const Database& db, const QString& reason) {
    return Take(db, reason).status();
}

Result<std::vector<Snapshot>> List(const QString& championshipPath) {
    const Result<std::vector<Listed>> found = listed(championshipPath);
    if (!found) {
        return found.status();
    }
    std::vector<Snapshot> snapshots;
    for (const Listed& entry : *found) {
        snapshots.push_back(entry.snapshot);
    }
    return snapshots;
}

QString Locate(const QString& championshipPath, const QString& snapshot) {
    if (QFileInfo(snapshot).isFile() || snapshot.contains(QLatin1Char('/')) ||
        snapshot.contains(QLatin1Char('\\'))) {
        return snapshot;
    }
    return QDir(FolderFor(championshipPath)).filePath(snapshot);
}

Result<QString> Restore(const Database& db, const QString& snapshotPath) {
    Status why = Status::success();
    const std::unique_ptr<Database> snapshot = openSnapshot(snapshotPath, db.path(), &why);
    if (!snapshot) {
        return why;
    }
    const Result<QString> before = Take(db, QStringLiteral("restore"));
    if (!before) {
        return Status::failure(
            QStringLiteral("%1 Nothing was restored.").arg(before.status().message()));
    }
    const QString name = QFileInfo(snapshotPath).fileName();
    if (db.server()) {
        if (Status copied = restoreRows(db, *snapshot, name); !copied) {
            return copied;
        }
        return *before;
    }
    if (Status copied = copyPages(snapshot->handle(), db.handle(), restoreWhat(), db.path());
        !copied) {
        return copied;
    }
    const Status logged = ChangeLog::RecordRestore(db, *before, name);
    db.committed();
    if (!logged) {
        return Status::failure(
            QStringLiteral("The snapshot was restored, but the change log could not record it. %1")
                .arg(logged.message()));
    }
    return *before;
}

}  // namespace Snapshots
