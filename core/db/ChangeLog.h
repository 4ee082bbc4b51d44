#pragma once

#include "db/Result.h"
#include "db/SqlStore.h"
#include "db/Status.h"

#include <QString>
#include <optional>
#include <vector>

class Database;
class PgConnection;

// Who changed what in a championship, kept in the championship itself (its file or its
// server database) and written in the same transaction as the change, so that it can
// neither be lost nor disagree with the results.
namespace ChangeLog {

// The round a Final Four change is recorded in, after the seven rounds 0..6.
inline constexpr int kFinalFourRound = 8;

// Called by every save once its transaction has begun: gives a file its log if it has none
// and tells the log who is saving. False for a file still being made, which has nothing to
// log yet. A server championship has its log from the start.
Result<bool> BeginSave(const Database& db);
// Tells the log who is saving, in a save already begun.
Result<bool> BeginSave(const SqlStore& store, const QString& who, const QString& place);
// Called by a logged save just before it commits.
Status EndSave(const SqlStore& store);

// Records the bouts this save writes as `what` ("revert") instead of plain changes.
Status MarkBoutsAs(const SqlStore& store, const QString& what);

// Records the whole save as one change (a reset, an import, a restore) instead of one per row.
Status RecordInstead(const SqlStore& store, const QString& what, const QString& subject,
                     std::optional<int> event = std::nullopt);

// After a snapshot was put back: keeps the changes the file had before (from `beforePath`,
// the snapshot of that state), which the snapshot may not know, and records the restore.
// A championship file only: snapshots are files.
Status RecordRestore(const Database& db, const QString& beforePath, const QString& snapshot);

struct Change {
    long long id = 0;
    QString when;  // local time, "YYYY-MM-DD HH:MM:SS"
    QString who;
    QString where;
    QString what;
    std::optional<int> event;
    std::optional<int> round;  // 0..6, or kFinalFourRound
    QString strip;
    std::optional<int> fencer;
    std::optional<int> opponent;
    std::optional<int> bout;  // a Final Four bout
    QString subject;
    QString before;
    QString after;
    // What a revert puts back; empty for no result.
    QString beforeValue;
    QString afterValue;

    // A bout of rounds 1 to 7 or of the Final Four, which can be put back.
    bool isBout() const { return fencer && opponent; }
};

struct Filter {
    std::optional<int> event;
    std::optional<int> round;
    std::optional<int> fencer;
};

// The changes that match, newest first; none for a file never written since it got its log.
Result<std::vector<Change>> Read(const Database& db, const Filter& filter = {});
Result<std::vector<Change>> Read(const PgConnection& connection, const Filter& filter = {});
// One change; nothing when there is no change with that id.
Result<std::optional<Change>> Find(const Database& db, long long id);
Result<std::optional<Change>> Find(const PgConnection& connection, long long id);

// The round as people count it: "1".."7", "F4", or empty.
QString RoundText(const std::optional<int>& round);

}  // namespace ChangeLog
