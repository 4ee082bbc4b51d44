#include "publish/PublishCommands.h"

#include "CliArguments.h"
#include "db/ChampionshipYear.h"
#include "publish/ResultsDownload.h"

#include <QDate>
#include <QFileInfo>

namespace {

std::optional<ResultsDownload::Format> parseFormat(const QString& text) {
    const QString name = text.trimmed().toLower();
    if (name == QLatin1String("text") || name == QLatin1String("txt")) {
        return ResultsDownload::Format::Text;
    }
    if (name == QLatin1String("html")) {
        return ResultsDownload::Format::Html;
    }
    if (name == QLatin1String("xml")) {
        return ResultsDownload::Format::Xml;
    }
    return std::nullopt;
}

}  // namespace

int RunDownloadCommand(const CommandLine& args, const CliOutput& io) {
    int exitCode = 0;
    const std::unique_ptr<Database> db =
        OpenChampionshipFor(args, io, {QStringLiteral("format"), QStringLiteral("out")}, &exitCode);
    if (!db) {
        return exitCode;
    }
    const std::optional<QString> formatText = args.value(QStringLiteral("format"));
    const std::optional<ResultsDownload::Format> format =
        formatText ? parseFormat(*formatText) : std::nullopt;
    if (!format) {
        return io.usageError(QStringLiteral("--format needs text, html or xml"));
    }
    const std::optional<QString> out = args.value(QStringLiteral("out"));
    if (out && out->isEmpty()) {
        return io.usageError(QStringLiteral("--out needs a file name"));
    }
    const QString path =
        QFileInfo(out ? *out : ResultsDownload::PathFor(db->path(), *format)).absoluteFilePath();
    const Status written = ResultsDownload::Write(
        *db, ChampionshipYearFor(db->path(), QDate::currentDate()), *format, path);
    if (!written) {
        return io.fail(written.message());
    }
    io.out << "download: " << path << Qt::endl;
    return 0;
}
