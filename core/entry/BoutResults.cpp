#include "entry/BoutResults.h"

#include "db/Database.h"
#include "db/Transaction.h"

std::optional<BoutScore> BoutResults::Read(const Database& db, int weapon, int a, int b) {
    Statement pair = db.prepare(
        QStringLiteral("SELECT R.Victory, R.Touches, RE1.Victory, RE1.Touches FROM Results AS R "
                       "INNER JOIN Results AS RE1 ON R.Opponent = RE1.FencerNumber "
                       "AND R.FencerNumber = RE1.Opponent AND R.Weapon = RE1.Weapon "
                       "WHERE R.Weapon = ? AND R.FencerNumber = ? AND R.Opponent = ?"),
        {weapon, a, b});
    if (!pair.next()) {
        return std::nullopt;
    }
    const bool leftWins = pair.toInt(0) != 0;
    const bool rightWins = pair.toInt(2) != 0;
    if (leftWins == rightWins) {
        return std::nullopt;
    }
    return BoutScore{pair.toInt(1), pair.toInt(3), leftWins};
}

std::vector<BoutEntry> BoutResults::ReadAll(const Database& db, int weapon) {
    Statement pairs = db.prepare(
        QStringLiteral("SELECT R.FencerNumber, R.Opponent, R.Touches, RE1.Touches, R.Victory "
                       "FROM Results AS R INNER JOIN Results AS RE1 "
                       "ON R.Opponent = RE1.FencerNumber AND R.FencerNumber = RE1.Opponent "
                       "AND R.Weapon = RE1.Weapon WHERE R.Weapon = ? "
                       "AND R.FencerNumber < R.Opponent AND (R.Victory <> 0) <> (RE1.Victory <> 0) "
                       "ORDER BY R.FencerNumber, R.Opponent"),
        {weapon});
    std::vector<BoutEntry> bouts;
    while (pairs.next()) {
        bouts.push_back({pairs.toInt(0), pairs.toInt(1),
                         BoutScore{pairs.toInt(2), pairs.toInt(3), pairs.toInt(4) != 0}});
    }
    return bouts;
}

Status BoutResults::Write(const Database& db, int weapon, const std::vector<BoutEntry>& bouts) {
    Transaction transaction(db);
    if (!transaction.begun()) {
        return transaction.begun();
    }
    if (Status written = WriteInTransaction(db, weapon, bouts); !written) {
        return written;
    }
    return transaction.commit();
}

Status BoutResults::WriteInTransaction(const Database& db, int weapon,
                                       const std::vector<BoutEntry>& bouts) {
    Statement remove = db.prepare(QStringLiteral(
        "DELETE FROM Results WHERE Weapon = ?1 AND ((FencerNumber = ?2 AND Opponent = ?3) "
        "OR (FencerNumber = ?3 AND Opponent = ?2))"));
    Statement insert = db.prepare(
        QStringLiteral("INSERT INTO Results (Weapon, FencerNumber, Opponent, Victory, Touches) "
                       "VALUES (?1, ?2, ?3, ?4, ?5), (?1, ?3, ?2, ?6, ?7)"));
    for (const BoutEntry& bout : bouts) {
        remove.reset();
        remove.bindAll({weapon, bout.fencer, bout.opponent});
        if (!remove.run()) {
            return Status::failure(remove.errorString());
        }
        if (!bout.score) {
            continue;
        }
        const BoutScore& s = *bout.score;
        insert.reset();
        insert.bindAll({weapon, bout.fencer, bout.opponent, s.leftWins, s.leftTouches, !s.leftWins,
                        s.rightTouches});
        if (!insert.run()) {
            return Status::failure(insert.errorString());
        }
    }
    return Status::success();
}
