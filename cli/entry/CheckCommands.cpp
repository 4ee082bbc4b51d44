#include "entry/CheckCommands.h"

#include "CliArguments.h"
#include "entry/FencerOption.h"
#include "entry/FencerRecord.h"
#include "entry/MissingResults.h"
#include "entry/ScheduledBouts.h"
#include "entry/StripHeader.h"

namespace {

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

QString eventAbbreviation(const Database& db, int weapon) {
    return db
        .queryText(QStringLiteral("SELECT Abbreviation FROM Weapons WHERE Weapon = ?"), {weapon})
        .value_or(QString::number(weapon));
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
    const int groups = static_cast<int>(
        db->queryInt(QStringLiteral("SELECT COUNT(\"Group\") FROM Groups")).value_or(9));
    const int lastRound = groups - 3;
    const int lastStripSet = (groups - 1) / 2 - 1;
    io.out << "event\tround\tstrip\tstate\tmissing" << Qt::endl;
    for (int weapon : events) {
        const QString event = eventAbbreviation(*db, weapon);
        const QStringList strips = StripHeader::StripNames(*db, weapon);
        for (const StripReport& strip :
             MissingResults::ForEvent(*db, weapon, lastRound, lastStripSet)) {
            io.out << event << '\t' << strip.round + 1 << '\t'
                   << strips.value(strip.stripSet, QString::number(strip.stripSet + 1)) << '\t'
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
    if (!ScheduledBouts::HasFencer(*db, *event, *fencer)) {
        return io.fail(
            QStringLiteral("fencer %1 is not on the roster of event %2").arg(*fencer).arg(*event));
    }
    const FencerRecord record = FencerRecord::Load(*db, *event, *fencer);
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
