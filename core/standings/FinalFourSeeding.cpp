#include "standings/FinalFourSeeding.h"

#include "db/Database.h"
#include "db/Snapshots.h"
#include "db/Transaction.h"

#include <set>

Status FinalFourSeeding::checkSeeds(const Database& db, int event, const Seeds& seeds) {
    if (std::set<int>(seeds.begin(), seeds.end()).size() != seeds.size()) {
        return Status::failure(QStringLiteral("The four seeds must be four different fencers."));
    }
    for (int fencer : seeds) {
        const Result<std::optional<long long>> found = db.queryInt(
            QStringLiteral("SELECT Count(*) FROM Roster WHERE Weapon = ? AND FencerNumber = ?"),
            {event, fencer});
        if (!found) {
            return found.status();
        }
        if (found->value_or(0) == 0) {
            return Status::failure(
                QStringLiteral("Fencer %1 is not on the roster of this event.").arg(fencer));
        }
    }
    return Status::success();
}

Status FinalFourSeeding::clear(const Database& db, int event) {
    if (Status s = db.exec(QStringLiteral("DELETE FROM FinalFour WHERE Weapon = ?"), {event}); !s) {
        return s;
    }
    return db.exec(QStringLiteral("UPDATE Roster SET Advanced = ? WHERE Weapon = ?"),
                   {false, event});
}

Status FinalFourSeeding::Save(const Database& db, int event, const Seeds& seeds) {
    if (Status s = checkSeeds(db, event, seeds); !s) {
        return s;
    }
    Transaction t(db);
    if (!t.begun()) {
        return t.begun();
    }
    if (Status s = clear(db, event); !s) {
        return s;
    }
    for (int bout = 0; bout < 2; ++bout) {
        const int top = seeds[static_cast<size_t>(2 * bout)];         // seed 1, seed 3
        const int bottom = seeds[static_cast<size_t>(3 - 2 * bout)];  // seed 4, seed 2
        Status s =
            db.exec(QStringLiteral("INSERT INTO FinalFour (Weapon, Bout, TopFencer, "
                                   "BottomFencer, Winner, Score) VALUES (?, ?, ?, ?, 99, '')"),
                    {event, bout, top, bottom});
        if (s) {
            s = db.exec(QStringLiteral("UPDATE Roster SET Advanced = ? WHERE Weapon = ? AND "
                                       "FencerNumber IN (?, ?)"),
                        {true, event, top, bottom});
        }
        if (!s) {
            return s;
        }
    }
    return t.commit();
}

Status FinalFourSeeding::Delete(const Database& db, int event) {
    Transaction t(db);
    if (!t.begun()) {
        return t.begun();
    }
    if (Status s = clear(db, event); !s) {
        return s;
    }
    return t.commit();
}

Status FinalFourSeeding::KeepFencedBouts(const Database& db, int event) {
    const Result<int> fenced = FencedBouts(db, event);
    if (!fenced) {
        return fenced.status();
    }
    return *fenced > 0 ? Snapshots::Before(db, QStringLiteral("reseed")) : Status::success();
}

Result<int> FinalFourSeeding::FencedBouts(const Database& db, int event) {
    const Result<std::optional<long long>> fenced = db.queryInt(
        QStringLiteral("SELECT COUNT(*) FROM FinalFour WHERE Weapon = ? AND Winner <> 99"),
        {event});
    if (!fenced) {
        return fenced.status();
    }
    return static_cast<int>(fenced->value_or(0));
}
