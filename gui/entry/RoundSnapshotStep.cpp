#include "entry/RoundSnapshotStep.h"

#include "entry/RoundSnapshots.h"
#include "widgets/Prompter.h"

void KeepRoundSnapshot(Prompter& prompter, QWidget* parent, const Database& db, int weapon,
                       int round) {
    const Result<QStringList> taken = RoundSnapshots::Take(db, weapon, {round});
    if (taken) {
        return;
    }
    prompter.tell(parent, QMessageBox::Warning, QStringLiteral("Round Snapshot"),
                  QStringLiteral("The results are saved, but no snapshot of the completed round "
                                 "could be kept.\n\n%1")
                      .arg(taken.status().message()));
}
