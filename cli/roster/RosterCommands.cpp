#include "roster/RosterCommands.h"

#include "CliArguments.h"
#include "db/Snapshots.h"
#include "roster/FieXmlEntries.h"
#include "roster/GroupDraw.h"
#include "roster/GroupStore.h"
#include "roster/RedrawCheck.h"
#include "roster/RosterCsv.h"
#include "roster/RosterStore.h"
#include "roster/SchoolList.h"

#include <QFile>
#include <QStringDecoder>

namespace {

// A roster CSV file, read before the snapshot so that a file that cannot be read leaves no
// snapshot behind.
Status importCsv(const Database& db, const QString& path, RosterCsv::Imported* imported,
                 RosterCsv::Duplicates duplicates) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Status::failure(QStringLiteral("%1: %2").arg(file.fileName(), file.errorString()));
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(file.readAll());
    if (utf8.hasError()) {
        return Status::failure(QStringLiteral("%1 is not UTF-8 text").arg(file.fileName()));
    }
    if (Status kept = Snapshots::Before(db, QStringLiteral("import")); !kept) {
        return kept;
    }
    return RosterCsv(db).import(text, imported, duplicates);
}

int importRoster(const CommandLine& args, const CliOutput& io) {
    int exitCode = 0;
    auto db = OpenChampionshipFor(
        args, io,
        {QStringLiteral("allow-duplicates"), QStringLiteral("format"), QStringLiteral("event")},
        &exitCode);
    if (!db) {
        return exitCode;
    }
    const QString format =
        args.value(QStringLiteral("format")).value_or(QStringLiteral("csv")).trimmed().toLower();
    const bool fie = format == QLatin1String("fie");
    if (!fie && format != QLatin1String("csv")) {
        return io.usageError(QStringLiteral("--format needs csv or fie"));
    }
    if (args.positional().size() != 2) {
        return io.usageError(fie ? QStringLiteral("roster import needs one FILE.xml")
                                 : QStringLiteral("roster import needs one FILE.csv"));
    }
    std::optional<int> event;
    if (args.has(QStringLiteral("event")) && !(event = RequiredEvent(args, io, &exitCode))) {
        return exitCode;
    }
    if (event && !fie) {
        return io.usageError(
            QStringLiteral("a roster CSV names each fencer's event; --event "
                           "is for --format fie"));
    }
    const QString path = args.positional().at(1);
    RosterCsv::Imported imported;
    const auto duplicates = args.has(QStringLiteral("allow-duplicates"))
                                ? RosterCsv::Duplicates::Allow
                                : RosterCsv::Duplicates::Refuse;
    const Status status = fie ? FieXmlEntries(*db).importFile(path, event, &imported, duplicates)
                              : importCsv(*db, path, &imported, duplicates);
    if (!status) {
        return io.fail(QStringLiteral("nothing imported:\n%1").arg(status.message()));
    }
    io.out << "imported " << imported.fencers << " fencers" << Qt::endl;
    return 0;
}

int exportRoster(const CommandLine& args, const CliOutput& io) {
    int exitCode = 0;
    auto db = OpenChampionshipFor(args, io, {QStringLiteral("event")}, &exitCode);
    if (!db) {
        return exitCode;
    }
    std::optional<int> event;
    if (args.has(QStringLiteral("event")) && !(event = RequiredEvent(args, io, &exitCode))) {
        return exitCode;
    }
    const Result<QString> text = RosterCsv(*db).exportText(event);
    if (!text) {
        return io.fail(text.status().message());
    }
    io.out << *text;
    io.out.flush();
    return 0;
}

Status printGroups(const Database& db, const GroupSlotArray& groupSlots, const CliOutput& io) {
    const Result<QStringList> names = GroupStore(db).groupNames();
    if (!names) {
        return names.status();
    }
    for (int g = 0; g < 8; ++g) {
        io.out << names->at(g) << ':';
        for (int p = 0; p < 3; ++p) {
            io.out << (p ? "; " : " ") << groupSlots[static_cast<size_t>(3 * g + p)].caption;
        }
        io.out << Qt::endl;
    }
    return Status::success();
}

}  // namespace

int RunRosterCommand(const CommandLine& args, const CliOutput& io) {
    const QString action = args.positional().value(0);
    if (action == QStringLiteral("import")) {
        return importRoster(args, io);
    }
    if (action == QStringLiteral("export") && args.positional().size() == 1) {
        return exportRoster(args, io);
    }
    return io.usageError(QStringLiteral("roster needs import or export"));
}

int RunDrawCommand(const CommandLine& args, const CliOutput& io) {
    int exitCode = 0;
    auto db = OpenChampionshipFor(
        args, io, {QStringLiteral("event"), QStringLiteral("seed"), QStringLiteral("force")},
        &exitCode);
    if (!db) {
        return exitCode;
    }
    const std::optional<int> event = RequiredEvent(args, io, &exitCode);
    if (!event) {
        return exitCode;
    }
    GroupDraw::Random random = GroupDraw::ClockSeededRandom();
    if (const std::optional<QString> seed = args.value(QStringLiteral("seed"))) {
        bool ok = false;
        const unsigned value = seed->toUInt(&ok);
        if (!ok) {
            return io.usageError(QStringLiteral("--seed takes a whole number, not %1").arg(*seed));
        }
        random = GroupDraw::SeededRandom(value);
    }
    const Result<std::vector<RosterRow>> roster = RosterStore(*db).load(*event);
    const Result<SchoolList> schools = SchoolList::Load(*db);
    for (const Status& read : {roster.status(), schools.status()}) {
        if (!read) {
            return io.fail(read.message());
        }
    }
    const auto drawn = GroupDraw::Draw(*roster, *schools, random);
    if (!drawn) {
        return io.fail(QStringLiteral("You must complete the roster before making groups."));
    }
    const Result<int> disturbed = RedrawCheck::BoutsDisturbed(*db, *event, drawn->groupSlots);
    if (!disturbed) {
        return io.fail(RedrawCheck::Unreadable(disturbed.status()));
    }
    if (*disturbed > 0 && !args.has(QStringLiteral("force"))) {
        return io.fail(RedrawCheck::Refusal(*disturbed));
    }
    if (*disturbed > 0) {
        if (Status kept = Snapshots::Before(*db, QStringLiteral("redraw")); !kept) {
            return io.fail(QStringLiteral("the groups were not drawn: ") + kept.message());
        }
    }
    if (Status saved = GroupStore(*db).save(*event, drawn->groupSlots); !saved) {
        return io.fail(saved.message());
    }
    if (Status printed = printGroups(*db, drawn->groupSlots, io); !printed) {
        return io.fail(printed.message());
    }
    if (*disturbed > 0) {
        io.out << RedrawCheck::Consequence() << Qt::endl;
    }
    if (const QString warning = drawn->warning(); !warning.isEmpty()) {
        io.out << Qt::endl << "Multiple teammates: " << warning << Qt::endl;
    }
    return 0;
}
