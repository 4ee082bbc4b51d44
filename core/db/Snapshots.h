#pragma once

#include "db/Result.h"
#include "db/Status.h"

#include <QDateTime>
#include <QString>
#include <vector>

class Database;

// Consistent copies of an open championship in the Backups folder beside it, taken before
// anything that cannot be taken back (a reset, a redraw, an import, a restore) or on demand,
// and put back into the open file when the staff ask.
namespace Snapshots {

// Automatic snapshots kept per championship file; the staff's own are never pruned.
inline constexpr int kKeptAutomatic = 50;

struct Snapshot {
    QString path;
    QDateTime when;
    QString reason;
};

// The Backups folder beside the championship file.
QString FolderFor(const QString& championshipPath);

// Whether snapshots taken for this reason are the program's own (pruned) or the staff's.
bool IsAutomatic(const QString& reason);

// A note the staff typed, reduced to a word that is safe in a file name and never taken for
// one of the program's own reasons.
QString ReasonFromNote(const QString& note);

// Copies the open file into Backups as <stem>-YYYYMMDD-HHMMSS-<reason>.mdb and returns its
// path; a half-written copy never carries a snapshot's name.
Result<QString> Take(const Database& db, const QString& reason);

// The snapshot taken before a destructive action; the action must not go ahead without it.
Status Before(const Database& db, const QString& reason);

// The file's snapshots, newest first.
Result<std::vector<Snapshot>> List(const QString& championshipPath);

// The path of a snapshot named on its own (as List shows it) or by its path.
QString Locate(const QString& championshipPath, const QString& snapshot);

// Snapshots the current state, then puts the snapshot's content into the open file; the
// connection stays open. Returns the path of the snapshot of the state before.
Result<QString> Restore(const Database& db, const QString& snapshotPath);

}  // namespace Snapshots
