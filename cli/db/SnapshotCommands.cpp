#include "db/SnapshotCommands.h"

#include "CliArguments.h"
#include "db/Snapshots.h"

#include <QDir>
#include <QFileInfo>

int RunSnapshotCommand(const CommandLine& args, const CliOutput& io) {
    int exitCode = 0;
    const std::unique_ptr<Database> db =
        OpenChampionshipFor(args, io, {QStringLiteral("note")}, &exitCode);
    if (!db) {
        return exitCode;
    }
    const std::optional<QString> note = args.value(QStringLiteral("note"));
    const Result<QString> taken =
        Snapshots::Take(*db, note ? Snapshots::ReasonFromNote(*note) : QStringLiteral("manual"));
    if (!taken) {
        return io.fail(taken.status().message());
    }
    io.out << QDir::toNativeSeparators(*taken) << Qt::endl;
    return 0;
}

int RunSnapshotsCommand(const CommandLine& args, const CliOutput& io) {
    int exitCode = 0;
    const std::unique_ptr<Database> db = OpenChampionshipFor(args, io, {}, &exitCode);
    if (!db) {
        return exitCode;
    }
    const Result<std::vector<Snapshots::Snapshot>> listed = Snapshots::List(db->path());
    if (!listed) {
        return io.fail(listed.status().message());
    }
    io.out << "file\twhen\treason\n";
    for (const Snapshots::Snapshot& snapshot : *listed) {
        io.out << QFileInfo(snapshot.path).fileName() << '\t'
               << snapshot.when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) << '\t'
               << snapshot.reason << '\n';
    }
    io.out.flush();
    return 0;
}

int RunRestoreCommand(const CommandLine& args, const CliOutput& io) {
    int exitCode = 0;
    const std::unique_ptr<Database> db =
        OpenChampionshipFor(args, io, {QStringLiteral("from")}, &exitCode);
    if (!db) {
        return exitCode;
    }
    const std::optional<QString> from = args.value(QStringLiteral("from"));
    if (!from || from->isEmpty()) {
        return io.usageError(QStringLiteral("--from SNAPSHOT is required"));
    }
    const QString snapshot = Snapshots::Locate(db->path(), *from);
    const Result<QString> before = Snapshots::Restore(*db, snapshot);
    if (!before) {
        return io.fail(before.status().message());
    }
    io.out << "restored: " << QDir::toNativeSeparators(snapshot) << Qt::endl;
    io.out << "before: " << QDir::toNativeSeparators(*before) << Qt::endl;
    return 0;
}
