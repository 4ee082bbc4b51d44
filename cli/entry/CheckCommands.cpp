#include "entry/CheckCommands.h"

#include "CliArguments.h"
#include "entry/FencerOption.h"
#include "entry/FencerRecord.h"
#include "entry/MissingResults.h"
#include "entry/ScheduledBouts.h"
#include "entry/StripHeader.h"
#include "standings/EventNames.h"

namespace {

// The groups of a fresh file, for a count that finds no rows.
constexpr long long kSeedGroups = 9;

QString stateName(ReportState state) {
    switch (state) {
        case ReportState::Complete:
            return QStringLiteral("complete");
        case ReportState::Partial:
            return QStringLiteral("partial");
        case ReportState::Missing:
            break;
    }
    return QStringLiteral("missing");
}

}  // namespace

int RunMissingCommand(const CommandLine& args, const CliOutput& io) {
    int exitCode = 0;
    const auto db = OpenChampionshipFor(args, io, {"event"}, &exitCode);
    if (!db) {
        return exitCode;
    }
    QList<int> events = {0, 1, 2, 3, 4, 5};
    if (args.has(QStringLiteral("event"))) {
        const std::optional<int> event = RequiredEvent(args, io, &exitCode);
        if (!event) {
            return exitCode;
        }
        events = {*event};
    }
    // The rounds and strips follow the groups of the file, as the windows do.
    const Result<std::optional<long long>> counted =
        db->queryInt(QStringLiteral("SELECT COUNT(\"Group\") FROM Groups"));
    if (!counted) {
        return io.fail(counted.status().message());
    }
    const int groups = static_cast<int>(counted->value_or(kSeedGroups));
    const int lastRound = groups - 3;
    const int lastStripSet = (groups - 1) / 2 - 1;
    io.out << "event\tround\tstrip\tstate\tmissing" << Qt::endl;
    for (int weapon : events) {
        const Result<QString> event = EventNames::Abbreviation(*db, weapon);
        const Result<QStringList> strips = StripHeader::StripNames(*db, weapon);
        const Result<std::vector<StripReport>> reports =
            MissingResults::ForEvent(*db, weapon, lastRound, lastStripSet);
        for (const Status& read : {event.status(), strips.status(), reports.status()}) {
            if (!read) {
                return io.fail(read.message());
            }
        }
        for (const StripReport& strip : *reports) {
            io.out << *event << '\t' << strip.round + 1 << '\t'
                   << strips->value(strip.stripSet, QString::number(strip.stripSet + 1)) << '\t'
                   << stateName(strip.state()) << '\t' << strip.missing() << Qt::endl;
        }
    }
    return 0;
}

int RunConfirmCommand(const CommandLine& args, const CliOutput& io) {
    int exitCode = 0;
    const auto db = OpenChampionshipFor(args, io, {"event", "fencer"}, &exitCode);
    if (!db) {
        return exitCode;
    }
    const std::optional<int> event = RequiredEvent(args, io, &exitCode);
    const std::optional<int> fencer =
        event ? FencerOption(args, QStringLiteral("fencer"), io, &exitCode) : std::nullopt;
    if (!fencer) {
        return exitCode;
    }
    const Result<bool> onRoster = ScheduledBouts::HasFencer(*db, *event, *fencer);
    if (!onRoster) {
        return io.fail(onRoster.status().message());
    }
    if (!*onRoster) {
        return io.fail(
            QStringLiteral("fencer %1 is not on the roster of event %2").arg(*fencer).arg(*event));
    }
    const Result<FencerRecord> loaded = FencerRecord::Load(*db, *event, *fencer);
    if (!loaded) {
        return io.fail(loaded.status().message());
    }
    const FencerRecord& record = *loaded;
    io.out << "round\topponent\tname\tschool\tresult\tscored\treceived\tindicator" << Qt::endl;
    for (const RecordBout& bout : record.bouts) {
        io.out << bout.round + 1 << '\t' << bout.opponent << '\t' << bout.opponentName << '\t'
               << bout.school << '\t';
        if (bout.score) {
            io.out << (bout.score->leftWins ? "W" : "L") << '\t' << bout.score->leftTouches << '\t'
                   << bout.score->rightTouches;
        } else {
            io.out << '\t' << '\t';
        }
        io.out << '\t' << Qt::endl;
    }
    io.out << "total\t\t\t\t" << record.victoriesText() << '\t' << record.scored << '\t'
           << record.received << '\t' << record.indicatorText() << Qt::endl;
    return 0;
}
