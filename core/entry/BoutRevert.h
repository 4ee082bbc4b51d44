#pragma once

#include "db/ChangeLog.h"
#include "db/Result.h"
#include "db/Status.h"

class Database;

// Puts a bout (of rounds 1 to 7 or of the Final Four) back to the result it had before a
// recorded change. Other changes are undone by restoring a snapshot.
namespace BoutRevert {

struct Plan {
    ChangeLog::Change change;
    // What the file holds now, as the change log writes a result ("5 3 1"); empty for none.
    QString currentValue;
    // Shown to the staff: the result now ("5-3", "no result").
    QString currentText;
    // The bout no longer holds the result the change gave it: it was changed again since.
    bool changedSince() const { return currentValue != change.afterValue; }
};

// Reads the change and the bout as it stands; fails for a change that is not a bout.
Result<Plan> Prepare(const Database& db, long long changeId);

// Writes the earlier result in one save recorded as a revert, provided the bout still holds
// what `plan` read; otherwise nothing is written and the failure says so.
Status Apply(const Database& db, const Plan& plan);

}  // namespace BoutRevert
