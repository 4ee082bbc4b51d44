#include "db/FileCommands.h"

#include "db/ChampionshipFile.h"
#include "db/ChampionshipYear.h"
#include "db/SchemaDefinition.h"

#include <QDate>
#include <QFileInfo>

namespace {

int checkArguments(const CommandLine& args, const CliOutput& io, const QStringList& known) {
    if (!args.error().isEmpty()) {
        return io.usageError(args.error());
    }
    if (const QStringList unknown = args.unknownOptions(known); !unknown.isEmpty()) {
        return io.usageError(
            QStringLiteral("unknown option %1").arg(unknown.join(QLatin1Char(' '))));
    }
    if (args.positional().size() != 1) {
        return io.usageError(QStringLiteral("one PATH is needed"));
    }
    return 0;
}

}  // namespace

int RunNewCommand(const CommandLine& args, const CliOutput& io) {
    if (int bad = checkArguments(args, io, {QStringLiteral("force")})) {
        return bad;
    }
    const QString path = QFileInfo(args.positional().first()).absoluteFilePath();
    if (QFileInfo::exists(path) && !args.has(QStringLiteral("force"))) {
        return io.fail(QStringLiteral("%1 exists; use --force to replace it").arg(path));
    }
    if (Status created = ChampionshipFile::Create(path); !created) {
        return io.fail(created.message());
    }
    io.out << "path: " << path << Qt::endl;
    io.out << "year: " << ChampionshipYearFor(path, QDate::currentDate()) << Qt::endl;
    return 0;
}

int RunInfoCommand(const CommandLine& args, const CliOutput& io) {
    if (int bad = checkArguments(args, io, {})) {
        return bad;
    }
    const QString path = args.positional().first();
    ChampionshipFile::Opened opened = ChampionshipFile::Open(path);
    if (!opened.db) {
        return io.fail(QStringLiteral("%1: %2").arg(path, opened.reason));
    }
    const Database& db = *opened.db;
    const Result<std::optional<long long>> counted =
        db.queryInt(QStringLiteral("SELECT COUNT(\"Group\") FROM Groups"));
    const Result<std::optional<QString>> version =
        db.queryText(QStringLiteral("SELECT DatabaseVersion FROM VersionInfo"));
    for (const Status& read : {counted.status(), version.status()}) {
        if (!read) {
            return io.fail(read.message());
        }
    }
    const long long groups = counted->value_or(0);
    io.out << "version: " << version->value_or(QString()) << Qt::endl;
    io.out << "year: " << ChampionshipYearFor(path, QDate::currentDate()) << Qt::endl;
    // Numbered as the staff see them: rounds 1 to 7, strip sets 1 to 4.
    io.out << "rounds: 1-" << groups - 2 << Qt::endl;
    io.out << "strip_sets: 1-" << (groups - 1) / 2 << Qt::endl;
    for (const TableDef& table : ChampionshipTables()) {
        const QString sql =
            QStringLiteral("SELECT COUNT(*) FROM \"%1\"").arg(QLatin1String(table.name));
        const Result<std::optional<long long>> rows = db.queryInt(sql);
        if (!rows) {
            return io.fail(rows.status().message());
        }
        io.out << table.name << ": " << rows->value_or(0) << Qt::endl;
    }
    return 0;
}
