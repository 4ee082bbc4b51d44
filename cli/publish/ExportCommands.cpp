#include "publish/ExportCommands.h"

#include "CliArguments.h"
#include "db/ChampionshipYear.h"
#include "publish/FieXmlExport.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>

namespace {

// Where each chosen event's file goes: --out names the file of one --event, or the folder
// of the --events files (the current folder without it).
std::optional<QList<std::pair<int, QString>>> targetsOf(const CommandLine& args,
                                                        const CliOutput& io, int* exitCode) {
    const std::optional<QString> out = args.value(QStringLiteral("out"));
    if (out && out->isEmpty()) {
        *exitCode = io.usageError(QStringLiteral("--out needs a file or folder name"));
        return std::nullopt;
    }
    const std::optional<QString> list = args.value(QStringLiteral("events"));
    if (list.has_value() == args.has(QStringLiteral("event"))) {
        *exitCode = io.usageError(QStringLiteral("give either --event or --events"));
        return std::nullopt;
    }
    QList<std::pair<int, QString>> targets;
    if (!list) {
        const std::optional<int> event = RequiredEvent(args, io, exitCode);
        if (!event) {
            return std::nullopt;
        }
        targets.append(std::pair(*event, out.value_or(FieXmlExport::FileName(*event))));
        return targets;
    }
    const std::optional<QList<int>> events = ParseEvents(*list);
    if (!events) {
        *exitCode = io.usageError(
            QStringLiteral("--events takes events 0..5 or MS..WE separated by commas"));
        return std::nullopt;
    }
    const QDir folder(out.value_or(QStringLiteral(".")));
    for (const int event : *events) {
        targets.append(std::pair(event, folder.filePath(FieXmlExport::FileName(event))));
    }
    return targets;
}

}  // namespace

QStringList ExportDetails() {
    return {QStringLiteral("FIE XML, the exchange format of the sport's tournament programs: one "
                           "individual"),
            QStringLiteral("competition per event, named by its code (MS.xml) unless --out names "
                           "the file."),
            QStringLiteral("With --events, --out names the folder the files go to.")};
}

int RunExportCommand(const CommandLine& args, const CliOutput& io) {
    int exitCode = 0;
    const std::unique_ptr<Database> db =
        OpenChampionshipFor(args, io,
                            {QStringLiteral("format"), QStringLiteral("event"),
                             QStringLiteral("events"), QStringLiteral("out")},
                            &exitCode);
    if (!db) {
        return exitCode;
    }
    if (args.value(QStringLiteral("format")).value_or(QString()).trimmed().toLower() !=
        QLatin1String("fie")) {
        return io.usageError(QStringLiteral("--format needs fie"));
    }
    const auto targets = targetsOf(args, io, &exitCode);
    if (!targets) {
        return exitCode;
    }
    const QDate today = QDate::currentDate();
    const QString year = ChampionshipYearFor(db->path(), today);
    for (const auto& [event, target] : *targets) {
        const QString path = QFileInfo(target).absoluteFilePath();
        if (Status written = FieXmlExport::Write(*db, event, year, today, path); !written) {
            return io.fail(written.message());
        }
        io.out << "export: " << path << Qt::endl;
    }
    return 0;
}
