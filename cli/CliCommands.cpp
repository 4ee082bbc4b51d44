#include "CliCommands.h"

#include "CommandLine.h"
#include "db/FileCommands.h"
#include "db/ResetCommands.h"
#include "entry/CheckCommands.h"
#include "entry/EntryCommands.h"
#include "print/PrintCommands.h"
#include "publish/LiveSiteCommands.h"
#include "publish/PublishCommands.h"
#include "roster/RosterCommands.h"
#include "standings/FinalFourCommands.h"
#include "standings/StandingsCommands.h"

#include <functional>
#include <map>

namespace {

// Whether a command saves to the championship file, so the live results follow it.
enum class Saves { No, Yes };

struct CliCommand {
    QStringList flags;
    std::function<int(const CommandLine&, const CliOutput&)> run;
    Saves saves = Saves::No;
};

const std::map<QString, CliCommand>& commands() {
    static const std::map<QString, CliCommand> table = {
        {QStringLiteral("new"), {{QStringLiteral("force")}, RunNewCommand}},
        {QStringLiteral("info"), {{}, RunInfoCommand}},
        {QStringLiteral("bout"), {{}, RunBoutCommand, Saves::Yes}},
        {QStringLiteral("bouts"), {{}, RunBoutsCommand, Saves::Yes}},
        {QStringLiteral("simulate"), {{}, RunSimulateCommand, Saves::Yes}},
        {QStringLiteral("missing"), {{}, RunMissingCommand}},
        {QStringLiteral("confirm"), {{}, RunConfirmCommand}},
        {QStringLiteral("print"),
         {{QStringLiteral("grids"), QStringLiteral("tomorrow")}, RunPrintCommand}},
        {QStringLiteral("download"), {{}, RunDownloadCommand}},
        {QStringLiteral("publish"),
         {{QStringLiteral("live"), QStringLiteral("stop")}, RunPublishCommand}},
        {QStringLiteral("reset"),
         {{QStringLiteral("results"), QStringLiteral("rosters")}, RunResetCommand, Saves::Yes}},
        {QStringLiteral("roster"),
         {{QStringLiteral("allow-duplicates")}, RunRosterCommand, Saves::Yes}},
        {QStringLiteral("draw"), {{QStringLiteral("force")}, RunDrawCommand, Saves::Yes}},
        {QStringLiteral("standings"), {{}, RunStandingsCommand}},
        {QStringLiteral("teams"), {{QStringLiteral("race")}, RunTeamsCommand}},
        {QStringLiteral("seed"), {{QStringLiteral("force")}, RunSeedCommand, Saves::Yes}},
        {QStringLiteral("final"), {{}, RunFinalCommand, Saves::Yes}},
    };
    return table;
}

int usage(const CliOutput& io) {
    QStringList names;
    for (const auto& [name, command] : commands()) {
        names << name;
    }
    return io.fail(QStringLiteral("usage: orle-cli COMMAND ...; commands: %1")
                       .arg(names.join(QStringLiteral(", "))));
}

}  // namespace

int RunCliCommand(const QStringList& words, const CliOutput& io) {
    if (words.isEmpty()) {
        return usage(io);
    }
    const auto it = commands().find(words.first());
    if (it == commands().end()) {
        io.fail(QStringLiteral("unknown command %1").arg(words.first()));
        return usage(io);
    }
    const CommandLine args(words.mid(1), it->second.flags);
    const int exitCode = it->second.run(args, io);
    // A command that failed part-way may still have saved events before the failure.
    if (it->second.saves == Saves::Yes) {
        PublishAfterSave(args, io);
    }
    return exitCode;
}
