#include "db/StationFolder.h"

#include "db/ServerUri.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace StationFolder {
namespace {

// The database's name, or nothing for a file (or an address that cannot be read).
QString databaseOf(const QString& place) {
    if (!ServerUri::IsServerUri(place)) {
        return QString();
    }
    const Result<ServerUri> uri = ServerUri::Parse(place);
    return uri ? uri->databaseName() : QStringLiteral("server");
}

}  // namespace

QString For(const QString& place) {
    const QString database = databaseOf(place);
    if (database.isEmpty()) {
        return QFileInfo(place).absolutePath();
    }
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty()) {
        documents = QDir::home().filePath(QStringLiteral("Documents"));
    }
    return QDir(documents).filePath(QStringLiteral("ORLE/") + database);
}

QString StemFor(const QString& place) {
    const QString database = databaseOf(place);
    return database.isEmpty() ? QFileInfo(place).completeBaseName() : database;
}

QString FileFor(const QString& place, const QString& ending) {
    return QDir(For(place)).filePath(StemFor(place) + QLatin1Char('.') + ending);
}

}  // namespace StationFolder
