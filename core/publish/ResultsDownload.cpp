#include "publish/ResultsDownload.h"

#include "db/ServerUri.h"
#include "db/StationFolder.h"
#include "publish/DownloadContent.h"
#include "publish/HtmlDownload.h"
#include "publish/TextDownload.h"
#include "publish/Windows1252.h"
#include "publish/XmlDownload.h"

#include <QDir>
#include <QSaveFile>

namespace {

QStringList linesOf(const DownloadContent& content, ResultsDownload::Format format) {
    switch (format) {
        case ResultsDownload::Format::Text:
            return TextDownload::Lines(content);
        case ResultsDownload::Format::Html:
            return HtmlDownload::Lines(content);
        case ResultsDownload::Format::Xml:
            return XmlDownload::Lines(content);
    }
    return {};
}

// The web page and the XML document can carry any character as a reference; the text file
// gets a question mark.
QString substituteFor(ResultsDownload::Format format, char32_t c) {
    if (format == ResultsDownload::Format::Text) {
        return QStringLiteral("?");
    }
    return QStringLiteral("&#%1;").arg(static_cast<uint>(c));
}

}  // namespace

namespace ResultsDownload {

QString TypeName(Format format) {
    switch (format) {
        case Format::Text:
            return QStringLiteral("TXT");
        case Format::Html:
            return QStringLiteral("HTML");
        case Format::Xml:
            return QStringLiteral("XML");
    }
    return {};
}

QString PathFor(const QString& championshipPath, Format format) {
    if (ServerUri::IsServerUri(championshipPath)) {
        // The station's folder for a server championship is made when first needed; should
        // that fail, writing into it says why.
        QDir().mkpath(StationFolder::For(championshipPath));
        return StationFolder::FileFor(championshipPath, TypeName(format));
    }
    return championshipPath.left(championshipPath.size() - 3) + TypeName(format);
}

QByteArray Bytes(const Database& db, const QString& championshipYear, Format format,
                 Status* status) {
    DownloadContent content;
    *status = LoadDownloadContent(db, championshipYear, content);
    if (!*status) {
        return {};
    }
    QString text;
    for (const QString& line : linesOf(content, format)) {
        text += line;
        text += QStringLiteral("\r\n");
    }
    return Windows1252::Encode(text, [format](char32_t c) { return substituteFor(format, c); });
}

Status Write(const Database& db, const QString& championshipYear, Format format,
             const QString& path) {
    Status status = Status::success();
    const QByteArray bytes = Bytes(db, championshipYear, format, &status);
    return status ? WriteBytes(bytes, path) : status;
}

Status WriteBytes(const QByteArray& bytes, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return Status::failure(QStringLiteral("The results could not be written to %1: %2")
                                   .arg(path, file.errorString()));
    }
    return Status::success();
}

}  // namespace ResultsDownload
