#include "CliCommands.h"

#include "CommandLine.h"
#include "db/FileCommands.h"
#include "db/HistoryCommands.h"
#include "db/ProgramVersion.h"
#include "db/ResetCommands.h"
#include "db/SnapshotCommands.h"
#include "entry/CheckCommands.h"
#include "entry/EntryCommands.h"
#include "publish/ExportCommands.h"
#include "publish/LiveSiteCommands.h"
#include "publish/PublishCommands.h"
#include "roster/RosterCommands.h"
#include "standings/FinalFourCommands.h"
#include "standings/StandingsCommands.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace {

// Whether a command saves to the championship file, so the live results follow it.
enum class Saves { No, Yes };

struct CliCommand {
    QString name;
    // Shown under a usage error and at the top of the command's help.
    QStringList usage;
    QString summary;
    QStringList flags;
    std::function<int(const CommandLine&, const CliOutput&)> run;
    Saves saves = Saves::No;
    bool draws = false;
    // Further lines of the command's help.
    QStringList (*details)() = nullptr;
    // How many words besides options it takes at most (a path, a sheet, import FILE).
    int words = 0;
};

PrintCommand& printCommand() {
    static PrintCommand command;
    return command;
}

int runPrint(const CommandLine& args, const CliOutput& io) {
    if (!printCommand().run) {
        return io.fail(QStringLiteral("printing is done by orle-cli-print, which is missing"));
    }
    return printCommand().run(args, io);
}

QStringList printDetails() {
    return QStringList{QStringLiteral("SHEET and its options:")} + printCommand().sheetUsage;
}

QString words(const char* text) {
    return QString::fromUtf8(text);
}

QStringList serverDetails() {
    return {
        QStringLiteral(
            "URI names a PostgreSQL server database, as libpq does: postgresql://HOST/DATABASE"),
        QStringLiteral("or postgresql:///DATABASE?host=/SOCKET/FOLDER. The database must "
                       "exist; `new` wants it empty."),
        QStringLiteral("A password is never part of the URI: keep it in ~/.pgpass or a "
                       "service file."),
        QStringLiteral("The year comes from the database's name, as from a file's "
                       "(orle2026: 2026).")};
}

QStringList copyDetails() {
    return QStringList{
               QStringLiteral("Copies every table, row for row, in one transaction on the "
                              "target. A target that"),
               QStringLiteral("holds a championship, or a file that exists, is replaced only "
                              "with --force."),
               QStringLiteral("The change log and the live results folder are not copied; they "
                              "stay with the file.")} +
           serverDetails();
}

// Every command, in the order `orle-cli --help` lists them.
const std::vector<CliCommand>& commands() {
    static const std::vector<CliCommand> table = {
        {words("new"),
         {words("orle-cli new PATH [--force]"), words("orle-cli new URI [--force]")},
         words("create a championship file, or one on a server (--force replaces one)"),
         {words("force")},
         RunNewCommand,
         Saves::No,
         false,
         serverDetails,
         1},
        {words("info"),
         {words("orle-cli info PATH"), words("orle-cli info URI")},
         words("check a championship and count the rows of every table"),
         {},
         RunInfoCommand,
         Saves::No,
         false,
         serverDetails,
         1},
        {words("copy"),
         {words("orle-cli copy --from PATH|URI --to PATH|URI [--force]")},
         words("copy a whole championship between a file and a server"),
         {words("force")},
         RunCopyCommand,
         Saves::No,
         false,
         copyDetails},
        {words("roster"),
         {words("orle-cli roster import --db PATH [--allow-duplicates] FILE.csv"),
          words("orle-cli roster import --db PATH --format fie [--event EVENT] "
                "[--allow-duplicates] FILE.xml"),
          words("orle-cli roster export --db PATH [--event EVENT]")},
         words("import fencers from CSV or FIE XML, or export them"),
         {words("allow-duplicates")},
         RunRosterCommand,
         Saves::Yes,
         false,
         nullptr,
         2},
        {words("draw"),
         {words("orle-cli draw --db PATH --event EVENT [--seed N] [--force]")},
         words("draw an event's groups (--force: over recorded bouts)"),
         {words("force")},
         RunDrawCommand,
         Saves::Yes},
        {words("bout"),
         {words("orle-cli bout --db PATH --event EVENT --left FENCER --right FENCER "
                "--score TEXT")},
         words("record one bout of rounds 1 to 7 (score 5-3, V4, 2v; empty clears it)"),
         {},
         RunBoutCommand,
         Saves::Yes},
        {words("bouts"),
         {words("orle-cli bouts --db PATH --event EVENT [--round ROUND]")},
         words("list an event's recorded bouts"),
         {},
         RunBoutsCommand},
        {words("simulate"),
         {words("orle-cli simulate --db PATH [--seed N] [--events LIST] [--rounds 1-7]")},
         words("fill rounds with random results, for rehearsals"),
         {},
         RunSimulateCommand,
         Saves::Yes},
        {words("missing"),
         {words("orle-cli missing --db PATH [--event EVENT]")},
         words("which strips are complete, partial or missing"),
         {},
         RunMissingCommand},
        {words("confirm"),
         {words("orle-cli confirm --db PATH --event EVENT --fencer FENCER")},
         words("a fencer's bout-by-bout record"),
         {},
         RunConfirmCommand},
        {words("standings"),
         {words("orle-cli standings --db PATH --event EVENT")},
         words("an event's individual standings"),
         {},
         RunStandingsCommand},
        {words("teams"),
         {words("orle-cli teams --db PATH [--race] [--variant all|men|women]")},
         words("team standings (--race: who can still win the title)"),
         {words("race")},
         RunTeamsCommand},
        {words("seed"),
         {words("orle-cli seed --db PATH --event EVENT [--order F1,F2,F3,F4] [--force]")},
         words("seed the Final Four (--force: over its results)"),
         {words("force")},
         RunSeedCommand,
         Saves::Yes},
        {words("final"),
         {words("orle-cli final --db PATH --event EVENT --bout 0|1|10|11 --winner FENCER "
                "[--score TEXT]")},
         words("record a Final Four bout"),
         {},
         RunFinalCommand,
         Saves::Yes},
        {words("download"),
         {words("orle-cli download --db PATH --format text|html|xml [--out FILE|-]")},
         words("write the results for publication (--out -: to standard output)"),
         {},
         RunDownloadCommand},
        {words("export"),
         {words("orle-cli export --db PATH --format fie --event EVENT [--out FILE]"),
          words("orle-cli export --db PATH --format fie --events LIST [--out DIR]")},
         words("write events as FIE XML for other fencing programs"),
         {},
         RunExportCommand,
         Saves::No,
         false,
         ExportDetails},
        {words("publish"),
         {words("orle-cli publish --db PATH --out DIR [--live]"),
          words("orle-cli publish --db PATH --stop")},
         words("write the live results site (--live: after every save; --stop: no more)"),
         {words("live"), words("stop")},
         RunPublishCommand},
        {words("reset"),
         {words("orle-cli reset --db PATH --results|--rosters")},
         words("erase all results, or the rosters with their results"),
         {words("results"), words("rosters")},
         RunResetCommand,
         Saves::Yes},
        {words("history"),
         {words("orle-cli history --db PATH [--event EVENT [--fencer FENCER]]")},
         words("every recorded change, newest first"),
         {},
         RunHistoryCommand},
        {words("revert"),
         {words("orle-cli revert --db PATH --change ID")},
         words("put a bout back to its result before a change"),
         {},
         RunRevertCommand,
         Saves::Yes},
        {words("snapshot"),
         {words("orle-cli snapshot --db PATH [--note TEXT]")},
         words("copy the file into Backups beside it, now"),
         {},
         RunSnapshotCommand},
        {words("snapshots"),
         {words("orle-cli snapshots --db PATH")},
         words("list the file's snapshots, newest first"),
         {},
         RunSnapshotsCommand},
        {words("restore"),
         {words("orle-cli restore --db PATH --from SNAPSHOT")},
         words("put a snapshot back (after a snapshot of the file as it is)"),
         {},
         RunRestoreCommand,
         Saves::Yes},
        {words("print"),
         {words("orle-cli print SHEET --db PATH [OPTIONS] --pdf OUT.pdf")},
         words("print one kind of sheet or report to PDF"),
         {words("grids"), words("tomorrow")},
         runPrint,
         Saves::No,
         true,
         printDetails,
         1},
    };
    return table;
}

const CliCommand* findCommand(const QString& name) {
    const auto& table = commands();
    const auto it = std::find_if(table.begin(), table.end(),
                                 [&](const CliCommand& command) { return command.name == name; });
    return it == table.end() ? nullptr : &*it;
}

bool isHelp(const QString& word) {
    return word == QLatin1String("--help") || word == QLatin1String("-h");
}

QString usageOf(const CliCommand& command) {
    return command.usage.join(QStringLiteral("\n       "));
}

int programHelp(const CliOutput& io) {
    io.out << "usage: orle-cli COMMAND [OPTIONS]\n"
              "       orle-cli help COMMAND | orle-cli COMMAND --help\n"
              "       orle-cli --version\n\n"
              "Works on a championship file without windows, for scripts and checks.\n\n"
              "Commands:\n";
    for (const CliCommand& command : commands()) {
        io.out << "  " << command.name.leftJustified(11) << command.summary << '\n';
    }
    io.out << "\nEVENT is 0..5 or MS, MF, ME, WS, WF, WE; rounds are numbered 1 to 7 and strip "
              "sets 1 to 4,\nas the staff see them. FENCER is a fencer's number in the event.\n"
              "Exit status: 0 done, 1 the work failed, 2 the command line was wrong.\n";
    io.out.flush();
    return 0;
}

int commandHelp(const CliCommand& command, const CliOutput& io) {
    io.out << "usage: " << usageOf(command) << "\n\n" << command.summary << '\n';
    for (const QString& line : command.details ? command.details() : QStringList()) {
        io.out << line << '\n';
    }
    io.out.flush();
    return 0;
}

int helpFor(const QStringList& names, const CliOutput& io) {
    if (names.isEmpty()) {
        return programHelp(io);
    }
    const CliCommand* command = findCommand(names.first());
    if (command == nullptr || names.size() > 1) {
        return io.usageError(QStringLiteral("no command %1").arg(names.join(QLatin1Char(' '))));
    }
    return commandHelp(*command, io);
}

}  // namespace

int RunCliCommand(const QStringList& words, const CliOutput& io) {
    if (words.isEmpty()) {
        return io.usageError(QStringLiteral("no command given"));
    }
    const QString& first = words.first();
    if (isHelp(first)) {
        return programHelp(io);
    }
    if (first == QLatin1String("--version")) {
        if (words.size() > 1) {
            return io.usageError(QStringLiteral("--version takes nothing after it"));
        }
        io.out << "orle-cli " << ProgramVersion::ReleaseText() << Qt::endl;
        return 0;
    }
    if (first == QLatin1String("help")) {
        return helpFor(words.mid(1), io);
    }
    const CliCommand* command = findCommand(first);
    if (command == nullptr) {
        return io.usageError(QStringLiteral("unknown command %1").arg(first));
    }
    if (std::any_of(words.begin() + 1, words.end(), isHelp)) {
        return commandHelp(*command, io);
    }
    CliOutput commandIo = io;
    commandIo.usage = usageOf(*command);
    commandIo.command = QStringLiteral("orle-cli ") + command->name;
    const CommandLine args(words.mid(1), command->flags);
    if (args.positional().size() > command->words) {
        return commandIo.usageError(
            QStringLiteral("unexpected word \"%1\"")
                .arg(args.positional().value(command->words).left(kLongestQuotedWord)));
    }
    const int exitCode = command->run(args, commandIo);
    // A command that failed part-way may still have saved events before the failure.
    if (command->saves == Saves::Yes) {
        PublishAfterSave(args, io);
    }
    return exitCode;
}

void SetPrintCommand(PrintCommand command) {
    printCommand() = std::move(command);
}

bool CliCommandPrints(const QStringList& words) {
    const QString name = words.value(0) == QLatin1String("help") ? words.value(1) : words.value(0);
    const CliCommand* command = findCommand(name);
    return command != nullptr && command->draws;
}

QString CliCommandsInRoff() {
    QString roff;
    for (const CliCommand& command : commands()) {
        roff += QStringLiteral(".TP\n");
        for (const QString& line : command.usage) {
            roff += QStringLiteral(".B \"%1\"\n.br\n").arg(RoffEscaped(line));
        }
        QString summary = command.summary;
        summary[0] = summary[0].toUpper();
        roff += RoffEscaped(summary) + QStringLiteral(".\n");
        for (const QString& line : command.details ? command.details() : QStringList()) {
            roff += QStringLiteral(".br\n") + RoffEscaped(line) + QLatin1Char('\n');
        }
    }
    return roff;
}

QString RoffEscaped(const QString& text) {
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\e"));
    escaped.replace(QLatin1Char('-'), QStringLiteral("\\-"));
    escaped.replace(QLatin1Char('"'), QStringLiteral("\\(dq"));
    if (escaped.startsWith(QLatin1Char('.')) || escaped.startsWith(QLatin1Char('\''))) {
        escaped.prepend(QStringLiteral("\\&"));
    }
    return escaped;
}

bool CliCommandDraws(const QStringList& words) {
    return words.value(0) != QLatin1String("help") && CliCommandPrints(words) &&
           std::none_of(words.begin(), words.end(), isHelp);
}
