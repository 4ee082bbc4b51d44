#include "entry/RoundSnapshotWarning.h"

#include "CliOutput.h"
#include "entry/RoundSnapshots.h"

void KeepRoundSnapshots(const CliOutput& io, const Database& db, int weapon,
                        const QList<int>& rounds) {
    const Result<QStringList> taken = RoundSnapshots::Take(db, weapon, rounds);
    if (!taken) {
        io.err << "orle-cli: warning: the results are saved, but no snapshot of the completed "
                  "round could be kept: "
               << taken.status().message() << Qt::endl;
    }
}
