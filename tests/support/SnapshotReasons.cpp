#include "support/SnapshotReasons.h"

#include "db/Snapshots.h"
#include "support/ReadValue.h"

QStringList SnapshotReasons(const QString& championshipPath) {
    QStringList reasons;
    for (const Snapshots::Snapshot& snapshot : Value(Snapshots::List(championshipPath))) {
        reasons << snapshot.reason;
    }
    return reasons;
}
