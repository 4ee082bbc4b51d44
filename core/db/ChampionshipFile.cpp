#include "db/ChampionshipFile.h"

#include "db/ProgramVersion.h"
#include "db/SchemaSql.h"
#include "db/SeedData.h"
#include "db/StoredViews.h"
#include "db/Transaction.h"

#include <sys/stat.h>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace ChampionshipFile {
namespace {

Status buildSchema(const Database& db) {
    const auto& relations = ChampionshipRelations();
    for (const TableDef& table : ChampionshipTables()) {
        if (Status s = db.execScript(CreateTableSql(table, relations)); !s) {
            return s;
        }
        for (const QString& sql : CreateIndexSql(table)) {
            if (Status s = db.execScript(sql); !s) {
                return s;
            }
        }
    }
    for (const StoredView& view : ChampionshipViews()) {
        const QString sql =
            QStringLiteral("CREATE VIEW \"%1\" AS %2").arg(QLatin1String(view.name), view.sql);
        if (Status s = db.execScript(sql); !s) {
            return s;
        }
    }
    return Status::success();
}

Status fillFile(const QString& path) {
    QString error;
    std::unique_ptr<Database> db = Database::open(path, Database::Mode::CreateFile, &error);
    if (!db) {
        return Status::failure(error);
    }
    Transaction transaction(*db);
    if (!transaction.begun()) {
        return transaction.begun();
    }
    if (Status s = buildSchema(*db); !s) {
        return s;
    }
    if (Status s = InsertSeedRows(*db); !s) {
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

Status failureFor(const QString& path, const QString& reason) {
    return Status::failure(QStringLiteral("The championship file %1 could not be created: %2")
                               .arg(QDir::toNativeSeparators(path), reason));
}

}  // namespace

Status Create(const QString& path) {
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
    Status built = fillFile(building);
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
    const QFileInfo file(path);
    if (!file.isFile()) {
        opened.failure = OpenFailure::CannotOpen;
        opened.reason = QStringLiteral("The file does not exist.");
        return opened;
    }
    QString error;
    std::unique_ptr<Database> db = Database::open(path, Database::Mode::ExistingFile, &error);
    if (db) {
        const std::optional<QString> health = db->queryText(QStringLiteral("PRAGMA quick_check"));
        if (!health) {
            error = QStringLiteral("It is not a championship file (not an SQLite database).");
        } else if (*health != QLatin1String("ok")) {
            error = QStringLiteral("The file is damaged: %1").arg(*health);
        }
    }
    if (!db || !error.isEmpty()) {
        opened.failure = OpenFailure::CannotOpen;
        opened.reason = error;
        return opened;
    }
    const std::optional<QString> version =
        db->queryText(QStringLiteral("SELECT DISTINCT DatabaseVersion FROM VersionInfo"));
    if (!version || *version != ProgramVersion::DatabaseVersionText()) {
        opened.failure = OpenFailure::WrongVersion;
        opened.reason = WrongVersionMessage();
        return opened;
    }
    opened.db = std::move(db);
    return opened;
}

}  // namespace ChampionshipFile
