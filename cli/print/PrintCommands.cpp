#include "print/PrintCommands.h"

#include "CliArguments.h"
#include "db/ChampionshipYear.h"
#include "print/PdfFileSink.h"
#include "print/ScheduleReports.h"
#include "print/ScheduleSheets.h"
#include "print/ScoresheetCommands.h"
#include "print/TablePrintout.h"
#include "publish/FullResultsReport.h"
#include "publish/ResultsPrintRun.h"
#include "publish/RoundRobinSheet.h"

#include <QDate>
#include <QDateTime>
#include <QFileInfo>
#include <algorithm>
#include <functional>
#include <map>

namespace {

// What a printout needs beyond the open file: the options given and the year of the titles.
struct PrintRequest {
    const Database& db;
    const CommandLine& args;
    QString year;
};

// Checks the printout's own options; prints it into the sink, or says what is wrong.
using Printer = std::function<Status(const PrintRequest&, PrintSink&)>;

struct Printout {
    QStringList options;
    QString usage;
    Printer print;
};

Status badArgument(const QString& message) {
    return Status::failure(message);
}

// The events of --NAME in event order; an empty list when it is missing or wrong.
QList<int> eventsOption(const CommandLine& args, const QString& name) {
    const std::optional<QString> text = args.value(name);
    std::optional<QList<int>> events = text ? ParseEvents(*text) : std::nullopt;
    if (!events) {
        return {};
    }
    std::sort(events->begin(), events->end());
    events->erase(std::unique(events->begin(), events->end()), events->end());
    return *events;
}

// A whole-number option within [low, high], or `fallback` when it is not given.
std::optional<int> numberOption(const CommandLine& args, const QString& name, int low, int high,
                                int fallback) {
    const std::optional<QString> text = args.value(name);
    if (!text) {
        return fallback;
    }
    bool ok = false;
    const int value = text->trimmed().toInt(&ok);
    return ok && value >= low && value <= high ? std::optional<int>(value) : std::nullopt;
}

Printout sheet(const QString& name, ScheduleSheets::Builder build) {
    return {{QStringLiteral("event")},
            QStringLiteral("orle-cli print %1 --db PATH --event N[,N...] --pdf OUT.pdf").arg(name),
            [build](const PrintRequest& request, PrintSink& sink) {
                const QList<int> events = eventsOption(request.args, QStringLiteral("event"));
                if (events.isEmpty()) {
                    return badArgument(
                        QStringLiteral("--event needs events 0..5 or MS, MF, ME, WS, WF, WE"));
                }
                for (int event : events) {
                    GridSheet page;
                    const Result<SheetEvent> printed =
                        SheetEvent::Load(request.db, event, request.year);
                    Status status = printed ? build(request.db, *printed, page) : printed.status();
                    if (status) {
                        status = sink.print(page);
                    }
                    if (!status) {
                        return status;
                    }
                }
                return Status::success();
            }};
}

// The --events and --team options both schedule printouts take; a failure names the wrong one.
Status scheduleScope(const CommandLine& args, QList<int>& events, int& team) {
    events = eventsOption(args, QStringLiteral("events"));
    const std::optional<int> chosen =
        numberOption(args, QStringLiteral("team"), 0, 255, ScheduleReports::kAll);
    if (events.isEmpty()) {
        return badArgument(QStringLiteral("--events needs events 0..5 or MS, MF, ME, WS, WF, WE"));
    }
    if (!chosen) {
        return badArgument(QStringLiteral("--team needs a school code 0..255"));
    }
    team = *chosen;
    return Status::success();
}

Status printCompetitors(const PrintRequest& request, PrintSink& sink) {
    QList<int> events;
    int team = ScheduleReports::kAll;
    if (Status scope = scheduleScope(request.args, events, team); !scope) {
        return scope;
    }
    const std::optional<int> fencer =
        numberOption(request.args, QStringLiteral("fencer"), 0, 599, ScheduleReports::kAll);
    if (!fencer || (*fencer != ScheduleReports::kAll && *fencer % 100 > 23)) {
        return badArgument(QStringLiteral("--fencer needs event * 100 + fencer number 0..23"));
    }
    BandedReport report;
    Status status = ScheduleReports::CompetitorSchedules(request.db, events, team, *fencer,
                                                         request.year, report);
    return status ? sink.print(report) : status;
}

Status printTeams(const PrintRequest& request, PrintSink& sink) {
    QList<int> events;
    int team = ScheduleReports::kAll;
    if (Status scope = scheduleScope(request.args, events, team); !scope) {
        return scope;
    }
    BandedReport report;
    Status status = ScheduleReports::TeamSchedules(request.db, events, team, request.year, report);
    return status ? sink.print(report) : status;
}

Status printTable(const PrintRequest& request, PrintSink& sink) {
    const std::optional<QString> text = request.args.value(QStringLiteral("event"));
    const std::optional<int> event = text ? ParseEvent(*text) : std::nullopt;
    if (!event) {
        return badArgument(
            QStringLiteral("--event needs one event 0..5 or MS, MF, ME, WS, WF, WE"));
    }
    return PrintRoundRobinTable(request.db, *event, request.year, sink);
}

using ScoresheetPrinter = Status (*)(const Database&, const CommandLine&, const QString&,
                                     const QDate&, PrintSink&);

Printout scoresheets(const QStringList& options, const QString& usage, ScoresheetPrinter print) {
    return {options + QStringList{QStringLiteral("event"), QStringLiteral("tomorrow")}, usage,
            [print](const PrintRequest& request, PrintSink& sink) {
                return print(request.db, request.args, request.year, QDate::currentDate(), sink);
            }};
}

// The results run of the results window, every printout into the one PDF.
Status printResultsRun(const PrintRequest& request, const ResultsPrintChoice& choice,
                       PrintSink& sink) {
    ResultsPrintRun run(request.db, request.year, QDateTime::currentDateTime());
    return run.Run(
        choice, [&sink](const BandedReport& report) { return sink.print(report); },
        [&](int event, const QString& progress, const PlaceOf& placeOf) {
            GridSheet sheet;
            const Result<SheetEvent> printed = SheetEvent::Load(request.db, event, request.year);
            if (!printed) {
                return printed.status();
            }
            const Status built =
                RoundRobinSheet::Build(request.db, *printed, progress, placeOf, 1, sheet);
            return built ? sink.print(sheet) : built;
        });
}

Status printIndividual(const PrintRequest& request, PrintSink& sink) {
    ResultsPrintChoice choice;
    choice.Events = eventsOption(request.args, QStringLiteral("events"));
    choice.Grids = request.args.has(QStringLiteral("grids"));
    if (choice.Events.isEmpty()) {
        return badArgument(QStringLiteral("--events needs events 0..5 or MS, MF, ME, WS, WF, WE"));
    }
    return printResultsRun(request, choice, sink);
}

Status printSchoolResults(const PrintRequest& request, PrintSink& sink) {
    const QStringList variants = {QStringLiteral("all"), QStringLiteral("men"),
                                  QStringLiteral("women")};
    ResultsPrintChoice choice;
    const QString given =
        request.args.value(QStringLiteral("variant")).value_or(QStringLiteral("all"));
    for (const QString& name : given.split(QLatin1Char(','))) {
        const qsizetype variant = variants.indexOf(name.trimmed().toLower());
        if (variant < 0) {
            return badArgument(QStringLiteral("--variant needs all, men or women"));
        }
        choice.Teams[static_cast<size_t>(variant)] = true;
    }
    return printResultsRun(request, choice, sink);
}

Status printFullResults(const PrintRequest& request, PrintSink& sink) {
    BandedReport report;
    const Status built = FullResultsReport::Build(request.db, request.year, report);
    return built ? sink.print(report) : built;
}

// Every printout orle-cli knows, by the name given after "print".
const std::map<QString, Printout>& printouts() {
    using namespace ScheduleSheets;
    static const std::map<QString, Printout> table = {
        {QStringLiteral("groups"), sheet(QStringLiteral("groups"), Groups)},
        {QStringLiteral("schedule"), sheet(QStringLiteral("schedule"), Schedule)},
        {QStringLiteral("announcer1"),
         sheet(QStringLiteral("announcer1"), OnDay(StripAssignments, ChampionshipDay::One))},
        {QStringLiteral("announcer2"),
         sheet(QStringLiteral("announcer2"), OnDay(StripAssignments, ChampionshipDay::Two))},
        {QStringLiteral("referee1"),
         sheet(QStringLiteral("referee1"), OnDay(RefereeAssignments, ChampionshipDay::One))},
        {QStringLiteral("referee2"),
         sheet(QStringLiteral("referee2"), OnDay(RefereeAssignments, ChampionshipDay::Two))},
        {QStringLiteral("competitor"),
         {{QStringLiteral("events"), QStringLiteral("team"), QStringLiteral("fencer")},
          QStringLiteral("orle-cli print competitor --db PATH --events N[,N...] [--team T] "
                         "[--fencer W*100+N] --pdf OUT.pdf"),
          printCompetitors}},
        {QStringLiteral("team"),
         {{QStringLiteral("events"), QStringLiteral("team")},
          QStringLiteral(
              "orle-cli print team --db PATH --events N[,N...] [--team T] --pdf OUT.pdf"),
          printTeams}},
        {QStringLiteral("pool"),
         scoresheets({QStringLiteral("strip")},
                     QStringLiteral("orle-cli print pool --db PATH --event N [--strip NAME] "
                                    "[--tomorrow] --pdf OUT.pdf"),
                     ScoresheetCommands::PrintPools)},
        {QStringLiteral("dual"),
         scoresheets({QStringLiteral("round"), QStringLiteral("day"), QStringLiteral("strip")},
                     QStringLiteral("orle-cli print dual --db PATH --event N [--round R[,R...] | "
                                    "--day 1|2] [--strip NAME] [--tomorrow] --pdf OUT.pdf"),
                     ScoresheetCommands::PrintDuals)},
        {QStringLiteral("final4"),
         scoresheets({QStringLiteral("bouts")},
                     QStringLiteral("orle-cli print final4 --db PATH --event N "
                                    "[--bouts semis|medals|all] [--tomorrow] --pdf OUT.pdf"),
                     ScoresheetCommands::PrintFinalFour)},
        {QStringLiteral("table"),
         {{QStringLiteral("event")},
          QStringLiteral("orle-cli print table --db PATH --event N --pdf OUT.pdf"),
          printTable}},
        {QStringLiteral("results"),
         {{}, QStringLiteral("orle-cli print results --db PATH --pdf OUT.pdf"), printFullResults}},
        {QStringLiteral("individual"),
         {{QStringLiteral("events"), QStringLiteral("grids")},
          QStringLiteral("orle-cli print individual --db PATH --events N[,N...] [--grids] "
                         "--pdf OUT.pdf"),
          printIndividual}},
        {QStringLiteral("teams"),
         {{QStringLiteral("variant")},
          QStringLiteral("orle-cli print teams --db PATH [--variant all|men|women[,...]] "
                         "--pdf OUT.pdf"),
          printSchoolResults}},
    };
    return table;
}

}  // namespace

QStringList PrintUsageLines() {
    QStringList lines;
    for (const auto& [name, printout] : printouts()) {
        lines << QStringLiteral("  ") + printout.usage;
    }
    return lines;
}

int RunPrintCommand(const CommandLine& args, const CliOutput& io) {
    if (args.positional().size() != 1) {
        return io.usageError(QStringLiteral("name one SHEET to print"));
    }
    const auto it = printouts().find(args.positional().first());
    if (it == printouts().end()) {
        return io.usageError(QStringLiteral("unknown sheet %1").arg(args.positional().first()));
    }
    const Printout& printout = it->second;
    CliOutput sheetIo = io;
    sheetIo.usage = printout.usage;
    int exitCode = 0;
    const std::unique_ptr<Database> db = OpenChampionshipFor(
        args, sheetIo, printout.options + QStringList{QStringLiteral("pdf")}, &exitCode);
    if (!db) {
        return exitCode;
    }
    const std::optional<QString> pdf = args.value(QStringLiteral("pdf"));
    if (!pdf || pdf->isEmpty()) {
        return sheetIo.usageError(QStringLiteral("--pdf OUT.pdf is required"));
    }
    const QString path = QFileInfo(*pdf).absoluteFilePath();
    PdfFileSink sink(path);
    const PrintRequest request{*db, args, ChampionshipYearFor(db->path(), QDate::currentDate())};
    Status status = printout.print(request, sink);
    if (status) {
        status = sink.finish();
    }
    if (!status) {
        return io.fail(status.message());
    }
    io.out << "pdf: " << path << Qt::endl;
    io.out << "pages: " << sink.pageCount() << Qt::endl;
    return 0;
}
