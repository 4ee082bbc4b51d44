#include "CliArguments.h"

#include "db/ChampionshipStore.h"
#include "standings/EventCodes.h"

std::optional<int> ParseEvent(const QString& text) {
    for (int event = 0; event < kEventCount; ++event) {
        if (text.trimmed().toUpper() == EventCode(event)) {
            return event;
        }
    }
    bool ok = false;
    const int code = text.trimmed().toInt(&ok);
    if (ok && code >= 0 && code < kEventCount) {
        return code;
    }
    return std::nullopt;
}

std::optional<QList<int>> ParseEvents(const QString& text) {
    QList<int> events;
    for (const QString& part : text.split(QLatin1Char(','))) {
        const std::optional<int> event = ParseEvent(part);
        if (!event) {
            return std::nullopt;
        }
        events << *event;
    }
    return events;
}

ChampionshipStore::Opened OpenChampionship(const QString& place, const CliOutput& io,
                                           int* exitCode) {
    ChampionshipStore::Opened opened = ChampionshipStore::Open(place);
    if (!opened.store) {
        // The place is named once: a reason that names it already stands alone, and an
        // address that could not be read is never echoed, as it may hold a password.
        const bool named = opened.caption.isEmpty() || opened.reason.contains(opened.caption);
        *exitCode = io.fail(named ? opened.reason
                                  : QStringLiteral("%1: %2").arg(opened.caption, opened.reason));
    }
    return opened;
}

int CheckOptions(const CommandLine& args, const CliOutput& io, const QStringList& known) {
    if (const QStringList unknown = args.unknownOptions(known); !unknown.isEmpty()) {
        return io.usageError(
            QStringLiteral("unknown option %1").arg(unknown.join(QLatin1Char(' '))));
    }
    if (!args.error().isEmpty()) {
        return io.usageError(args.error());
    }
    return 0;
}

std::unique_ptr<Database> OpenChampionshipFor(const CommandLine& args, const CliOutput& io,
                                              const QStringList& known, int* exitCode) {
    *exitCode = CheckOptions(args, io, known + QStringList{QStringLiteral("db")});
    if (*exitCode != 0) {
        return nullptr;
    }
    const std::optional<QString> place = args.value(QStringLiteral("db"));
    if (!place) {
        *exitCode = io.usageError(QStringLiteral("--db PATH is required"));
        return nullptr;
    }
    ChampionshipStore::Opened opened = OpenChampionship(*place, io, exitCode);
    if (opened.store) {
        opened.store->setChangePlace([where = io.command] { return where; });
    }
    return std::move(opened.store);
}

std::optional<int> RequiredEvent(const CommandLine& args, const CliOutput& io, int* exitCode) {
    const std::optional<QString> text = args.value(QStringLiteral("event"));
    const std::optional<int> event = text ? ParseEvent(*text) : std::nullopt;
    if (!event) {
        *exitCode = io.usageError(
            text
                ? QStringLiteral("unknown event %1 (use 0..5 or MS, MF, ME, WS, WF, WE)").arg(*text)
                : QStringLiteral("--event N is required"));
    }
    return event;
}
