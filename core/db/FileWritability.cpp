#include "db/FileWritability.h"

#include "db/Database.h"

#include <sqlite3.h>
#include <QFileInfo>

QString ReadOnlyReason(const Database& db) {
    // A server says at the save whether this station's user may write.
    if (db.server() != nullptr) {
        return QString();
    }
    const QFileInfo file(db.path());
    if (sqlite3_db_readonly(db.handle(), "main") == 1 || !file.isWritable()) {
        return QStringLiteral("the file is read-only");
    }
    // Every save writes its journal beside the file first.
    if (!QFileInfo(file.absolutePath()).isWritable()) {
        return QStringLiteral("its folder is read-only");
    }
    return QString();
}
