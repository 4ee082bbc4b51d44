#include "db/ChampionshipFile.h"

#include "db/ChampionshipSchema.h"
#include "db/DatabaseError.h"
#include "db/FileLayout.h"
#include "db/ProgramVersion.h"
#include "db/ReadOnlyLook.h"
#include "db/SeedData.h"
#include "db/Transaction.h"

#include <sqlite3.h>
#include <sys/stat.h>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace ChampionshipFile {
namespace {

Status fillFile(const QString& path, const Fill& fill) {
    QString error;
    std::unique_ptr<Database> db = Database::open(path, Database::Mode::CreateFile, &error);
    if (!db) {
        return Status::failure(error);
    }
    Transaction transaction(*db);
    if (!transaction.begun()) {
        return transaction.begun();
    }
    if (Status s = BuildChampionshipSchema(*db); !s) {
        return s;
    }
    if (Status s = fill(*db); !s) {
        return s;
    }
    return transaction.commit();
}

// The placeholder is private to its owner; the finished file gets the usual permissions.
void giveUsualPermissions(const QByteArray& path) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(path.constData(), 0666 & ~mask);
}

// The integrity check's findings, every one of them, or nothing when the file is healthy.
QString healthProblem(const Database& db) {
    Statement check = db.prepare(QStringLiteral("PRAGMA quick_check"));
    QStringList findings;
    while (check.next()) {
        findings << check.toText(0);
    }
    if ((check.resultCode() & 0xff) == SQLITE_NOTADB) {
        return QStringLiteral("It is not a championship file (not an SQLite database).");
    }
    if (!check.ok()) {
        return DatabaseError::Sentence(check.cause());
    }
    if (findings == QStringList{QStringLiteral("ok")}) {
        return QString();
    }
    return QStringLiteral("The file is damaged. The check found:\n%1")
        .arg(findings.join(QLatin1Char('\n')));
}

// A missing or unreadable version row counts as another version.
bool hasThisVersion(const Database& db) {
    const Result<std::optional<QString>> version =
        db.queryText(QStringLiteral("SELECT DISTINCT DatabaseVersion FROM VersionInfo"));
    return version && *version == ProgramVersion::DatabaseVersionText();
}

QString missingParts(const Database& db) {
    const Result<QStringList> missing = FileLayout::MissingParts(db);
    if (!missing) {
        return missing.status().message();
    }
    if (missing->isEmpty()) {
        return QString();
    }
    return QStringLiteral(
               "The file lacks parts this program uses: %1. It was not made by this program, "
               "or another program has changed it.")
        .arg(missing->join(QStringLiteral(", ")));
}

Status failureFor(const QString& path, const QString& reason) {
    return Status::failure(QStringLiteral("The championship file %1 could not be created: %2")
                               .arg(QDir::toNativeSeparators(path), reason));
}

}  // namespace

Status Create(const QString& path) {
    return CreateWith(path, InsertSeedRows);
}

Status CreateWith(const QString& path, const Fill& fill) {
    const QFileInfo target(path);
    if (target.isDir()) {
        return failureFor(path, QStringLiteral("a folder of that name exists."));
    }
    // The temporary file only reserves a fresh name beside the target; SQLite builds it.
    QTemporaryFile placeholder(target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                               QStringLiteral(".XXXXXX"));
    if (!placeholder.open()) {
        return failureFor(path, placeholder.errorString());
    }
    const QString building = placeholder.fileName();
    placeholder.close();
    Status built = fillFile(building, fill);
    if (built) {
        const QByteArray from = QFile::encodeName(building);
        const QByteArray to = QFile::encodeName(target.absoluteFilePath());
        giveUsualPermissions(from);
        if (std::rename(from.constData(), to.constData()) == 0) {
            placeholder.setAutoRemove(false);
            return Status::success();
        }
        built = Status::failure(QString::fromLocal8Bit(std::strerror(errno)));
    }
    QFile::remove(building + QStringLiteral("-journal"));
    return failureFor(path, built.message());
}

QString WrongVersionMessage() {
    return QStringLiteral("The database is not the proper version.");
}

Opened Open(const QString& path) {
    Opened opened;
    opened.failure = OpenFailure::CannotOpen;
    if (!QFileInfo(path).isFile()) {
        opened.reason = QStringLiteral("The file does not exist.");
        return opened;
    }
    // Every check looks without writing; only an accepted file is opened for saving.
    bool rulesChecked = false;
    {
        const ReadOnlyLook look(path);
        rulesChecked = !look.readOnly();
        if (!look.db()) {
            opened.reason = look.error();
            return opened;
        }
        opened.reason = healthProblem(*look.db());
        if (opened.reason.isEmpty() && !hasThisVersion(*look.db())) {
            opened.failure = OpenFailure::WrongVersion;
            opened.reason = WrongVersionMessage();
        }
        if (opened.reason.isEmpty()) {
            opened.reason = missingParts(*look.db());
        }
        if (!opened.reason.isEmpty()) {
            return opened;
        }
    }
    QString error;
    opened.db = Database::open(path, Database::Mode::ExistingFile, &error);
    if (!opened.db) {
        opened.reason = error;
        return opened;
    }
    // Opening a file kept with a rollback journal writes nothing, so the file can still be
    // refused untouched here.
    if (!rulesChecked) {
        opened.reason = healthProblem(*opened.db);
        if (!opened.reason.isEmpty()) {
            opened.db.reset();
            return opened;
        }
    }
    opened.failure = OpenFailure::None;
    return opened;
}

}  // namespace ChampionshipFile
