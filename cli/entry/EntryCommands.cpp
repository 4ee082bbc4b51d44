#include "entry/EntryCommands.h"

#include "CliArguments.h"
#include "entry/BoutResults.h"
#include "entry/FencerOption.h"
#include "entry/ResultsSimulator.h"
#include "entry/RoundSnapshotWarning.h"
#include "entry/ScheduledBouts.h"
#include "entry/ScoreRules.h"

#include <QElapsedTimer>
#include <map>
#include <random>

namespace {

// Rounds as the staff number them, 1..7, as "2", "1-7" or "1,3-4"; stored as 0..6.
std::optional<QList<int>> parseRounds(const QString& text) {
    QList<int> rounds;
    for (const QString& part : text.split(QLatin1Char(','))) {
        const QStringList ends = part.trimmed().split(QLatin1Char('-'));
        bool okFirst = false;
        bool okLast = ends.size() == 1;
        const int first = ends.first().toInt(&okFirst);
        const int last = ends.size() == 2 ? ends.last().toInt(&okLast) : first;
        if (!okFirst || !okLast || ends.size() > 2 || first < 1 || last > 7 || first > last) {
            return std::nullopt;
        }
        for (int r = first; r <= last; ++r) {
            if (!rounds.contains(r - 1)) {
                rounds << r - 1;
            }
        }
    }
    return rounds;
}

// Why the bout between two fencers cannot be entered, or an empty text.
QString boutRefusal(const Database& db, int event, int left, int right,
                    const std::optional<ScheduledBout>& scheduled) {
    for (int fencer : {left, right}) {
        const Result<bool> onRoster = ScheduledBouts::HasFencer(db, event, fencer);
        if (!onRoster) {
            return onRoster.status().message();
        }
        if (!*onRoster) {
            return QStringLiteral("fencer %1 is not on the roster of event %2")
                .arg(fencer)
                .arg(event);
        }
    }
    if (!scheduled) {
        return QStringLiteral("fencers %1 and %2 are not scheduled to meet").arg(left).arg(right);
    }
    if (scheduled->excluded) {
        return QStringLiteral(
                   "the bout %1 against %2 belongs to an excluded fencer; it cannot be entered")
            .arg(left)
            .arg(right);
    }
    return QString();
}

}  // namespace

int RunBoutCommand(const CommandLine& args, const CliOutput& io) {
    int exitCode = 0;
    const auto db = OpenChampionshipFor(args, io, {"event", "left", "right", "score"}, &exitCode);
    if (!db) {
        return exitCode;
    }
    const std::optional<int> event = RequiredEvent(args, io, &exitCode);
    const std::optional<int> left =
        event ? FencerOption(args, "left", io, &exitCode) : std::nullopt;
    const std::optional<int> right =
        left ? FencerOption(args, "right", io, &exitCode) : std::nullopt;
    if (!right) {
        return exitCode;
    }
    const std::optional<QString> typed = args.value(QStringLiteral("score"));
    if (!typed) {
        return io.usageError(QStringLiteral("--score TEXT is required (empty to clear the bout)"));
    }
    const ScoreRules::Read read = ScoreRules::ReadDualScore(*typed);
    if (read.reading == ScoreRules::Reading::Invalid) {
        // As wrong a word of the command line as a malformed fencer number.
        return io.usageError(QStringLiteral("invalid score \"%1\": give the left fencer's mark "
                                            "first, each 0..5 or V, different (5-3, V4, 2v)")
                                 .arg(typed->left(kLongestQuotedWord)));
    }
    const Result<std::optional<ScheduledBout>> between =
        *left == *right ? std::optional<ScheduledBout>()
                        : ScheduledBouts::Between(*db, *event, *left, *right);
    if (!between) {
        return io.fail(between.status().message());
    }
    const std::optional<ScheduledBout>& scheduled = *between;
    if (const QString refusal = boutRefusal(*db, *event, *left, *right, scheduled);
        !refusal.isEmpty()) {
        return io.fail(refusal);
    }
    BoutEntry bout{*left, *right, std::nullopt};
    if (read.reading == ScoreRules::Reading::Result) {
        bout.score = read.score;
    }
    if (Status written = BoutResults::Write(*db, *event, {bout}); !written) {
        return io.fail(written.message());
    }
    KeepRoundSnapshots(io, *db, *event, {scheduled->round});
    const QString where =
        QStringLiteral("round %1: %2 vs %3").arg(scheduled->round + 1).arg(*left).arg(*right);
    if (!bout.score) {
        io.out << "cleared " << where << Qt::endl;
    } else {
        io.out << "recorded " << where << " " << bout.score->dualText() << ", winner "
               << (bout.score->leftWins ? *left : *right) << Qt::endl;
    }
    return 0;
}

int RunBoutsCommand(const CommandLine& args, const CliOutput& io) {
    int exitCode = 0;
    const auto db = OpenChampionshipFor(args, io, {"event", "round"}, &exitCode);
    if (!db) {
        return exitCode;
    }
    const std::optional<int> event = RequiredEvent(args, io, &exitCode);
    if (!event) {
        return exitCode;
    }
    std::optional<int> onlyRound;
    if (const auto text = args.value(QStringLiteral("round"))) {
        const auto rounds = parseRounds(*text);
        if (!rounds || rounds->size() != 1) {
            return io.usageError(QStringLiteral("--round takes one round 1..7, not %1").arg(*text));
        }
        onlyRound = rounds->first();
    }
    const Result<std::vector<BoutEntry>> recorded = BoutResults::ReadAll(*db, *event);
    const Result<std::vector<ScheduledBout>> scheduled = ScheduledBouts::ForEvent(*db, *event);
    for (const Status& read : {recorded.status(), scheduled.status()}) {
        if (!read) {
            return io.fail(read.message());
        }
    }
    std::map<std::pair<int, int>, BoutScore> stored;
    for (const BoutEntry& bout : *recorded) {
        stored[{bout.fencer, bout.opponent}] = *bout.score;
    }
    io.out << "round\tleft\tright\tleft_touches\tright_touches\twinner" << Qt::endl;
    const auto line = [&io](const QString& round, int left, int right, const BoutScore& s) {
        io.out << round << '\t' << left << '\t' << right << '\t' << s.leftTouches << '\t'
               << s.rightTouches << '\t' << (s.leftWins ? left : right) << Qt::endl;
    };
    for (const ScheduledBout& bout : *scheduled) {
        const bool forward = bout.left < bout.right;
        const auto it = stored.find(forward ? std::pair(bout.left, bout.right)
                                            : std::pair(bout.right, bout.left));
        if (it == stored.end()) {
            continue;
        }
        if (!onlyRound || *onlyRound == bout.round) {
            line(QString::number(bout.round + 1), bout.left, bout.right,
                 forward ? it->second : it->second.swapped());
        }
        stored.erase(it);
    }
    // Bouts the schedule no longer has (after a new draw) have no round.
    for (const auto& [pair, score] : onlyRound ? decltype(stored){} : stored) {
        line(QString(), pair.first, pair.second, score);
    }
    return 0;
}

int RunSimulateCommand(const CommandLine& args, const CliOutput& io) {
    int exitCode = 0;
    const auto db = OpenChampionshipFor(args, io, {"seed", "events", "rounds"}, &exitCode);
    if (!db) {
        return exitCode;
    }
    const auto events =
        ParseEvents(args.value(QStringLiteral("events")).value_or(QStringLiteral("0,1,2,3,4,5")));
    if (!events) {
        return io.usageError(
            QStringLiteral("--events takes events 0..5 or MS..WE separated by commas"));
    }
    const auto rounds =
        parseRounds(args.value(QStringLiteral("rounds")).value_or(QStringLiteral("1-7")));
    if (!rounds) {
        return io.usageError(QStringLiteral("--rounds takes rounds 1..7, such as 1-7 or 2,4"));
    }
    std::uint32_t seed = std::random_device{}();
    if (const auto text = args.value(QStringLiteral("seed"))) {
        bool ok = false;
        seed = text->toUInt(&ok);
        if (!ok) {
            return io.usageError(QStringLiteral("--seed takes a whole number, not %1").arg(*text));
        }
    }
    QElapsedTimer clock;
    clock.start();
    const ResultsSimulator::Filled filled = ResultsSimulator::Fill(*db, *events, *rounds, seed);
    if (!filled.status) {
        return io.fail(filled.status.message());
    }
    for (int event : *events) {
        KeepRoundSnapshots(io, *db, event, *rounds);
    }
    io.out << "seed: " << seed << Qt::endl;
    io.out << "bouts: " << filled.bouts << Qt::endl;
    io.out << "milliseconds: " << clock.elapsed() << Qt::endl;
    return 0;
}
