#include "db/ResetCommands.h"

#include "CliArguments.h"
#include "db/DataReset.h"
#include "db/Snapshots.h"

int RunResetCommand(const CommandLine& args, const CliOutput& io) {
    const bool results = args.has(QStringLiteral("results"));
    const bool rosters = args.has(QStringLiteral("rosters"));
    // Naming what goes keeps a wipe from happening by a bare command; the rosters take
    // their results with them.
    if (!results && !rosters) {
        return io.usageError(QStringLiteral("say what to erase: --results or --rosters"));
    }
    int exitCode = 0;
    const std::unique_ptr<Database> db = OpenChampionshipFor(
        args, io, {QStringLiteral("results"), QStringLiteral("rosters")}, &exitCode);
    if (!db) {
        return exitCode;
    }
    if (const Status kept = Snapshots::Before(*db, QStringLiteral("reset")); !kept) {
        return io.fail(QStringLiteral("nothing was erased: ") + kept.message());
    }
    if (const Status wiped = DataReset::InitializeResults(*db, rosters); !wiped) {
        return io.fail(QStringLiteral("nothing was erased: ") + wiped.message());
    }
    io.out << (rosters ? "erased: results and rosters" : "erased: results") << Qt::endl;
    return 0;
}
