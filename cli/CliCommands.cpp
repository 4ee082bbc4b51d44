#include "CliCommands.h"

#include "CommandLine.h"
#include "db/FileCommands.h"
#include "db/ResetCommands.h"
#include "entry/CheckCommands.h"
#include "entry/EntryCommands.h"
#include "print/PrintCommands.h"
#include "publish/PublishCommands.h"
#include "roster/RosterCommands.h"
#include "standings/FinalFourCommands.h"
#include "standings/StandingsCommands.h"

#include <functional>
#include <map>

namespace {

struct CliCommand {
    QStringList flags;
    std::function<int(const CommandLine&, const CliOutput&)> run;
};

const std::map<QString, CliCommand>& commands() {
    static const std::map<QString, CliCommand> table = {
        {QStringLiteral("new"), {{QStringLiteral("force")}, RunNewCommand}},
        {QStringLiteral("info"), {{}, RunInfoCommand}},
        {QStringLiteral("bout"), {{}, RunBoutCommand}},
        {QStringLiteral("bouts"), {{}, RunBoutsCommand}},
        {QStringLiteral("simulate"), {{}, RunSimulateCommand}},
        {QStringLiteral("missing"), {{}, RunMissingCommand}},
        {QStringLiteral("confirm"), {{}, RunConfirmCommand}},
        {QStringLiteral("print"),
         {{QStringLiteral("grids"), QStringLiteral("tomorrow")}, RunPrintCommand}},
        {QStringLiteral("download"), {{}, RunDownloadCommand}},
        {QStringLiteral("reset"),
         {{QStringLiteral("results"), QStringLiteral("rosters")}, RunResetCommand}},
        {QStringLiteral("roster"), {{QStringLiteral("allow-duplicates")}, RunRosterCommand}},
        {QStringLiteral("draw"), {{QStringLiteral("force")}, RunDrawCommand}},
        {QStringLiteral("standings"), {{}, RunStandingsCommand}},
        {QStringLiteral("teams"), {{QStringLiteral("race")}, RunTeamsCommand}},
        {QStringLiteral("seed"), {{QStringLiteral("force")}, RunSeedCommand}},
        {QStringLiteral("final"), {{}, RunFinalCommand}},
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
    return it->second.run(CommandLine(words.mid(1), it->second.flags), io);
}
