#include "db/HistoryCommands.h"

#include "CliArguments.h"
#include "db/ChangeLog.h"
#include "entry/BoutRevert.h"
#include "entry/FencerOption.h"
#include "entry/HistoryLines.h"

namespace {

// A field of one TSV line: tabs and line breaks inside it would split the line.
QString field(const QString& text) {
    QString flat = text;
    for (QChar& c : flat) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            c = QLatin1Char(' ');
        }
    }
    return flat;
}

void writeLine(const HistoryLine& line, QTextStream& out) {
    QStringList fields;
    for (const QString& text : {QString::number(line.id), line.when, line.who, line.where,
                                line.what, line.event, line.round, line.before, line.after}) {
        fields << field(text);
    }
    out << fields.join(QLatin1Char('\t')) << '\n';
}

// The filter of --event and --fencer; a fencer means nothing without his event.
std::optional<ChangeLog::Filter> historyFilter(const CommandLine& args, const CliOutput& io,
                                               int* exitCode) {
    ChangeLog::Filter filter;
    const bool hasFencer = args.value(QStringLiteral("fencer")).has_value();
    if (!args.value(QStringLiteral("event"))) {
        if (hasFencer) {
            *exitCode = io.usageError(QStringLiteral("--fencer needs --event"));
            return std::nullopt;
        }
        return filter;
    }
    filter.event = RequiredEvent(args, io, exitCode);
    if (!filter.event) {
        return std::nullopt;
    }
    if (hasFencer) {
        filter.fencer = FencerOption(args, QStringLiteral("fencer"), io, exitCode);
        if (!filter.fencer) {
            return std::nullopt;
        }
    }
    return filter;
}

}  // namespace

int RunHistoryCommand(const CommandLine& args, const CliOutput& io) {
    int exitCode = 0;
    const auto db = OpenChampionshipFor(
        args, io, {QStringLiteral("event"), QStringLiteral("fencer")}, &exitCode);
    if (!db) {
        return exitCode;
    }
    const std::optional<ChangeLog::Filter> filter = historyFilter(args, io, &exitCode);
    if (!filter) {
        return exitCode;
    }
    const Result<std::vector<HistoryLine>> lines = HistoryLines::Read(*db, *filter);
    if (!lines) {
        return io.fail(lines.status().message());
    }
    io.out << "id\twhen\twho\twhere\twhat\tevent\tround\tbefore\tafter\n";
    for (const HistoryLine& line : *lines) {
        writeLine(line, io.out);
    }
    io.out.flush();
    return 0;
}

int RunRevertCommand(const CommandLine& args, const CliOutput& io) {
    int exitCode = 0;
    const auto db = OpenChampionshipFor(args, io, {QStringLiteral("change")}, &exitCode);
    if (!db) {
        return exitCode;
    }
    const std::optional<QString> text = args.value(QStringLiteral("change"));
    bool ok = false;
    const long long id = text ? text->trimmed().toLongLong(&ok) : 0;
    if (!ok || id <= 0) {
        return io.usageError(text ? QStringLiteral("--change takes a change id, not %1").arg(*text)
                                  : QStringLiteral("--change ID is required"));
    }
    const Result<BoutRevert::Plan> plan = BoutRevert::Prepare(*db, id);
    if (!plan) {
        return io.fail(plan.status().message());
    }
    if (plan->changedSince()) {
        io.err << "orle-cli: the bout was changed again after change " << id << " (it is now "
               << plan->currentText << ")" << Qt::endl;
    }
    if (Status reverted = BoutRevert::Apply(*db, *plan); !reverted) {
        return io.fail(reverted.message());
    }
    const QString earlier =
        plan->change.before.isEmpty() ? QStringLiteral("no result") : plan->change.before;
    io.out << "reverted change " << id << ": " << earlier << Qt::endl;
    return 0;
}
