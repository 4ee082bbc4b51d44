#include "publish/PublishCommands.h"

#include "CliArguments.h"
#include "db/ChampionshipYear.h"
#include "publish/ResultsDownload.h"

#include <QDate>
#include <QFileDevice>
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

// `--out -` (or /dev/stdout) sends the download down a pipe instead of into a file.
bool meansStandardOutput(const QString& out) {
    return out == QLatin1String("-") || out == QLatin1String("/dev/stdout");
}

int writeToStandardOutput(const QByteArray& bytes, const CliOutput& io) {
    io.out.flush();
    QIODevice* device = io.out.device();
    if (device == nullptr || device->write(bytes) != bytes.size() ||
        !static_cast<QFileDevice*>(device)->flush()) {
        const QString why = device ? device->errorString() : QString();
        return io.fail(QStringLiteral("the download could not be written to standard output%1")
                           .arg(why.isEmpty() ? QString() : QStringLiteral(": ") + why));
    }
    return 0;
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
    const QString year = ChampionshipYearFor(db->path(), QDate::currentDate());
    if (out && meansStandardOutput(*out)) {
        Status built = Status::success();
        const QByteArray bytes = ResultsDownload::Bytes(*db, year, *format, &built);
        return built ? writeToStandardOutput(bytes, io) : io.fail(built.message());
    }
    const QString path =
        QFileInfo(out ? *out : ResultsDownload::PathFor(db->path(), *format)).absoluteFilePath();
    const Status written = ResultsDownload::Write(*db, year, *format, path);
    if (!written) {
        return io.fail(written.message());
    }
    io.out << "download: " << path << Qt::endl;
    return 0;
}
