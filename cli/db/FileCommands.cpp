#include "db/FileCommands.h"

#include "CliArguments.h"

#include "db/ChampionshipCopy.h"
#include "db/ChampionshipStore.h"
#include "db/SchemaDefinition.h"
#include "db/SeedData.h"
#include "db/ServerUri.h"

#include <QDate>
#include <QFileInfo>

namespace {

int checkArguments(const CommandLine& args, const CliOutput& io, const QStringList& known) {
    if (int bad = CheckOptions(args, io, known)) {
        return bad;
    }
    if (args.positional().size() != 1) {
        return io.usageError(QStringLiteral("one PATH is needed"));
    }
    return 0;
}

// A file path made absolute, so that the answer names the file wherever it was run; a
// server address as given.
QString placeFrom(const QString& given) {
    return ServerUri::IsServerUri(given) ? given : QFileInfo(given).absoluteFilePath();
}

// The first value of the first row, or nothing.
Result<SqlValue> firstValue(const SqlStore& store, const QString& sql) {
    const Result<SqlRows> rows = store.rows(sql);
    if (!rows) {
        return rows.status();
    }
    return rows->empty() || rows->front().empty() ? SqlValue() : rows->front().front();
}

long long numberOf(const SqlValue& value) {
    const auto* number = std::get_if<std::int64_t>(&value.value());
    return number ? *number : 0;
}

QString textOf(const SqlValue& value) {
    const auto* text = std::get_if<QString>(&value.value());
    return text ? *text : QString();
}

}  // namespace

int RunNewCommand(const CommandLine& args, const CliOutput& io) {
    if (int bad = checkArguments(args, io, {QStringLiteral("force")})) {
        return bad;
    }
    const QString place = placeFrom(args.positional().first());
    if (Status created =
            ChampionshipStore::Create(place, args.has(QStringLiteral("force")), InsertSeedRows);
        !created) {
        return io.fail(created.message());
    }
    io.out << (ServerUri::IsServerUri(place) ? "server: " : "path: ") << place << Qt::endl;
    io.out << "year: " << ChampionshipStore::YearOf(place, QDate::currentDate()) << Qt::endl;
    return 0;
}

int RunInfoCommand(const CommandLine& args, const CliOutput& io) {
    if (int bad = checkArguments(args, io, {})) {
        return bad;
    }
    const QString place = args.positional().first();
    int failed = 0;
    const ChampionshipStore::Opened opened = OpenChampionship(place, io, &failed);
    if (!opened.store) {
        return failed;
    }
    const SqlStore& db = *opened.store;
    const Result<SqlValue> counted =
        firstValue(db, QStringLiteral("SELECT COUNT(\"Group\") FROM Groups"));
    const Result<SqlValue> version =
        firstValue(db, QStringLiteral("SELECT DatabaseVersion FROM VersionInfo"));
    for (const Status& read : {counted.status(), version.status()}) {
        if (!read) {
            return io.fail(read.message());
        }
    }
    const long long groups = numberOf(*counted);
    io.out << "version: " << textOf(*version) << Qt::endl;
    io.out << "year: " << ChampionshipStore::YearOf(place, QDate::currentDate()) << Qt::endl;
    // Numbered as the staff see them: rounds 1 to 7, strip sets 1 to 4.
    io.out << "rounds: 1-" << groups - 2 << Qt::endl;
    io.out << "strip_sets: 1-" << (groups - 1) / 2 << Qt::endl;
    for (const TableDef& table : ChampionshipTables()) {
        const QString sql =
            QStringLiteral("SELECT COUNT(*) FROM \"%1\"").arg(QLatin1String(table.name));
        const Result<SqlValue> rows = firstValue(db, sql);
        if (!rows) {
            return io.fail(rows.status().message());
        }
        io.out << table.name << ": " << numberOf(*rows) << Qt::endl;
    }
    return 0;
}

int RunCopyCommand(const CommandLine& args, const CliOutput& io) {
    if (int bad = CheckOptions(
            args, io, {QStringLiteral("from"), QStringLiteral("to"), QStringLiteral("force")})) {
        return bad;
    }
    const std::optional<QString> from = args.value(QStringLiteral("from"));
    const std::optional<QString> to = args.value(QStringLiteral("to"));
    if (!from || !to || !args.positional().isEmpty()) {
        return io.usageError(QStringLiteral("--from A and --to B are needed, and nothing else"));
    }
    const QString target = placeFrom(*to);
    if (placeFrom(*from) == target) {
        return io.fail(QStringLiteral("--from and --to name the same championship"));
    }
    int failed = 0;
    const ChampionshipStore::Opened source = OpenChampionship(*from, io, &failed);
    if (!source.store) {
        return failed;
    }
    long long copied = 0;
    const auto copyRows = [&](const SqlStore& into) {
        const Result<long long> written = ChampionshipCopy::CopyRows(*source.store, into);
        copied = written ? *written : 0;
        return written.status();
    };
    if (Status done =
            ChampionshipStore::Create(target, args.has(QStringLiteral("force")), copyRows);
        !done) {
        return io.fail(done.message());
    }
    io.out << "from: " << source.caption << Qt::endl;
    io.out << "to: " << target << Qt::endl;
    io.out << "rows: " << copied << Qt::endl;
    return 0;
}
