#pragma once

#include "db/Result.h"
#include "db/Status.h"

#include <QDateTime>
#include <QString>
#include <optional>

class Database;

// Where the live results site of a championship goes, kept in the file with the machine that
// chose it: a copy of the file opened on another machine does not publish over the site.
namespace LivePublishing {

struct Target {
    QString folder;
    QString machine;
};

QString ThisMachine();

Result<std::optional<Target>> Read(const Database& db);
// Remembers the folder (made absolute) for this machine, in one save.
Status Remember(const Database& db, const QString& folder, const QString& machine = ThisMachine());
Status Forget(const Database& db);
// The folder this machine publishes to; none when no folder is set or another machine set it.
Result<std::optional<QString>> FolderHere(const Database& db,
                                          const QString& machine = ThisMachine());

// When results.json in the folder was last written; invalid when never.
QDateTime LastWritten(const QString& folder);

}  // namespace LivePublishing
