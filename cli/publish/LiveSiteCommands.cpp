#include "publish/LiveSiteCommands.h"

#include "CliArguments.h"
#include "db/ChampionshipStore.h"
#include "db/Database.h"
#include "db/ServerUri.h"
#include "publish/LivePublishing.h"
#include "publish/LiveSite.h"

#include <QDir>

namespace {

// The championship a command has just saved to: a file again without its whole check, a
// server championship through its own quick one.
std::unique_ptr<Database> reopen(const QString& place) {
    if (ServerUri::IsServerUri(place)) {
        return std::move(ChampionshipStore::Open(place).store);
    }
    QString error;
    return Database::open(place, Database::Mode::ExistingFile, &error);
}

int writeOnce(const Database& db, const QString& folder, const CliOutput& io) {
    int written = 0;
    if (Status s = WriteLiveSite(db, folder, QDateTime::currentDateTime(), &written); !s) {
        return io.fail(s.message());
    }
    io.out << "publish: " << QDir::toNativeSeparators(folder) << " (" << written
           << " files written)" << Qt::endl;
    return 0;
}

}  // namespace

int RunPublishCommand(const CommandLine& args, const CliOutput& io) {
    int exitCode = 0;
    const std::unique_ptr<Database> db = OpenChampionshipFor(
        args, io, {QStringLiteral("out"), QStringLiteral("live"), QStringLiteral("stop")},
        &exitCode);
    if (!db) {
        return exitCode;
    }
    const std::optional<QString> out = args.value(QStringLiteral("out"));
    const bool stop = args.has(QStringLiteral("stop"));
    if (stop == out.has_value() || (stop && args.has(QStringLiteral("live")))) {
        return io.usageError(QStringLiteral("give either --out DIR [--live] or --stop"));
    }
    if (stop) {
        if (Status s = LivePublishing::Forget(*db); !s) {
            return io.fail(s.message());
        }
        io.out << "publish: stopped" << Qt::endl;
        return 0;
    }
    if (out->isEmpty()) {
        return io.usageError(QStringLiteral("--out needs a folder"));
    }
    const QString folder = QDir(*out).absolutePath();
    if (args.has(QStringLiteral("live"))) {
        if (Status s = LivePublishing::Remember(*db, folder); !s) {
            return io.fail(s.message());
        }
    }
    return writeOnce(*db, folder, io);
}

void PublishAfterSave(const CommandLine& args, const CliOutput& io) {
    const std::optional<QString> path = args.value(QStringLiteral("db"));
    if (!path) {
        return;
    }
    // The command has just opened and checked the championship; one it could not open has
    // nothing new to publish.
    const std::unique_ptr<Database> db = reopen(*path);
    if (!db) {
        return;
    }
    const Result<std::optional<QString>> folder = LivePublishing::FolderHere(*db);
    Status written = folder.status();
    if (folder && *folder) {
        written = WriteLiveSite(*db, **folder, QDateTime::currentDateTime());
    }
    if (!written) {
        io.err << "orle-cli: warning: the live results were not updated (they will be on the "
                  "next save): "
               << written.message() << Qt::endl;
    }
}
