#include "print/ScoresheetCommands.h"

#include "CliArguments.h"
#include "print/PrintScoresheets.h"
#include "print/ScoresheetStrips.h"

namespace ScoresheetCommands {

namespace {

// The event and, when --strip names one, its strip set; a failure says what is wrong.
Status readRequest(const Database& db, const CommandLine& args, const QString& year,
                   const QDate& today, Scoresheets::Request& request) {
    const std::optional<QString> eventText = args.value(QStringLiteral("event"));
    const std::optional<int> event = eventText ? ParseEvent(*eventText) : std::nullopt;
    if (!event) {
        return Status::failure(
            QStringLiteral("--event needs one event 0..5 or MS, MF, ME, WS, WF, WE"));
    }
    const Result<SheetEvent> printed = SheetEvent::Load(db, *event, year);
    if (!printed) {
        return printed.status();
    }
    request = {*printed, Scoresheets::SheetDate(today, args.has(QStringLiteral("tomorrow"))), -1};
    if (const std::optional<QString> strip = args.value(QStringLiteral("strip"))) {
        const Result<QList<ScoresheetStrip>> strips = ScoresheetStrips(db, *event);
        if (!strips) {
            return strips.status();
        }
        QStringList names;
        for (const ScoresheetStrip& s : *strips) {
            if (s.name.compare(strip->trimmed(), Qt::CaseInsensitive) == 0) {
                request.stripSet = s.stripSet;
            }
            names << s.name;
        }
        if (request.stripSet < 0) {
            return Status::failure(QStringLiteral("--strip needs one of the event's strips: %1")
                                       .arg(names.join(QStringLiteral(", "))));
        }
    }
    return Status::success();
}

// Rounds as the staff number them (2..7) from --round, or the day's rounds from --day.
std::optional<QList<int>> dualRounds(const CommandLine& args) {
    QList<int> rounds;
    if (const std::optional<QString> list = args.value(QStringLiteral("round"))) {
        for (const QString& word : list->split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            bool ok = false;
            const int round = word.trimmed().toInt(&ok);
            if (!ok || round < 2 || round > 7) {
                return std::nullopt;
            }
            rounds << round - 1;
        }
        return rounds.isEmpty() ? std::nullopt : std::optional(rounds);
    }
    const QString day = args.value(QStringLiteral("day")).value_or(QString());
    const int first = day == QLatin1String("2") ? 4 : 1;
    const int last = day == QLatin1String("1") ? 3 : 6;
    if (!day.isEmpty() && day != QLatin1String("1") && day != QLatin1String("2")) {
        return std::nullopt;
    }
    for (int round = first; round <= last; ++round) {
        rounds << round;
    }
    return rounds;
}

}  // namespace

Status PrintPools(const Database& db, const CommandLine& args, const QString& year,
                  const QDate& today, PrintSink& sink) {
    Scoresheets::Request request;
    if (Status status = readRequest(db, args, year, today, request); !status) {
        return status;
    }
    ScoresheetChoice choice;
    choice.rounds[0] = true;
    return PrintScoresheets(db, request, choice, sink);
}

Status PrintDuals(const Database& db, const CommandLine& args, const QString& year,
                  const QDate& today, PrintSink& sink) {
    Scoresheets::Request request;
    if (Status status = readRequest(db, args, year, today, request); !status) {
        return status;
    }
    const std::optional<QList<int>> rounds = dualRounds(args);
    if (!rounds) {
        return Status::failure(
            QStringLiteral("--round needs rounds 2..7 (e.g. 2,5); --day needs 1 or 2"));
    }
    ScoresheetChoice choice;
    for (int round : *rounds) {
        choice.rounds[static_cast<size_t>(round)] = true;
    }
    return PrintScoresheets(db, request, choice, sink);
}

Status PrintFinalFour(const Database& db, const CommandLine& args, const QString& year,
                      const QDate& today, PrintSink& sink) {
    Scoresheets::Request request;
    if (Status status = readRequest(db, args, year, today, request); !status) {
        return status;
    }
    const QString bouts = args.value(QStringLiteral("bouts")).value_or(QStringLiteral("all"));
    ScoresheetChoice choice;
    choice.semis = bouts == QLatin1String("semis") || bouts == QLatin1String("all");
    choice.medals = bouts == QLatin1String("medals") || bouts == QLatin1String("all");
    if (!choice.any()) {
        return Status::failure(QStringLiteral("--bouts needs semis, medals or all"));
    }
    return PrintScoresheets(db, request, choice, sink);
}

}  // namespace ScoresheetCommands
