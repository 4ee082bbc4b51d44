#include "entry/BoutResults.h"

#include "db/ChangedElsewhere.h"
#include "db/Database.h"
#include "db/Transaction.h"

namespace {

// The bout seen from a, into `score`; a failed read is told apart from a bout not stored.
Status readPair(const Database& db, int weapon, int a, int b, std::optional<BoutScore>& score) {
    score.reset();
    Statement pair = db.prepare(
        QStringLiteral("SELECT R.Victory, R.Touches, RE1.Victory, RE1.Touches FROM Results AS R "
                       "INNER JOIN Results AS RE1 ON R.Opponent = RE1.FencerNumber "
                       "AND R.FencerNumber = RE1.Opponent AND R.Weapon = RE1.Weapon "
                       "WHERE R.Weapon = ? AND R.FencerNumber = ? AND R.Opponent = ?"),
        {weapon, a, b});
    if (!pair.next()) {
        return pair.ok() ? Status::success() : Status::failure(pair.errorString());
    }
    const bool leftWins = pair.toInt(0) != 0;
    const bool rightWins = pair.toInt(2) != 0;
    if (leftWins != rightWins) {
        score = BoutScore{pair.toInt(1), pair.toInt(3), leftWins};
    }
    return Status::success();
}

QString scoreText(const std::optional<BoutScore>& score) {
    return score ? QStringLiteral("%1-%2").arg(score->leftMark(), score->rightMark())
                 : QStringLiteral("no result");
}

// Deletes both rows of a bout and inserts both rows of its result, if it has one.
class BoutWriter final {
public:
    explicit BoutWriter(const Database& db)
        : m_remove(db.prepare(QStringLiteral(
              "DELETE FROM Results WHERE Weapon = ?1 AND ((FencerNumber = ?2 AND Opponent = ?3) "
              "OR (FencerNumber = ?3 AND Opponent = ?2))"))),
          m_insert(db.prepare(
              QStringLiteral("INSERT INTO Results (Weapon, FencerNumber, Opponent, Victory, "
                             "Touches) VALUES (?1, ?2, ?3, ?4, ?5), (?1, ?3, ?2, ?6, ?7)"))) {}

    Status write(int weapon, const BoutEntry& bout) {
        m_remove.reset();
        m_remove.bindAll({weapon, bout.fencer, bout.opponent});
        if (!m_remove.run()) {
            return Status::failure(m_remove.errorString());
        }
        if (!bout.score) {
            return Status::success();
        }
        const BoutScore& s = *bout.score;
        m_insert.reset();
        m_insert.bindAll({weapon, bout.fencer, bout.opponent, s.leftWins, s.leftTouches,
                          !s.leftWins, s.rightTouches});
        return m_insert.run() ? Status::success() : Status::failure(m_insert.errorString());
    }

private:
    Statement m_remove;
    Statement m_insert;
};

}  // namespace

QString BoutConflict::typedAndStored() const {
    return ChangedElsewhere::TypedAndStored(scoreText(typed), scoreText(stored));
}

std::optional<BoutScore> BoutResults::Read(const Database& db, int weapon, int a, int b) {
    std::optional<BoutScore> score;
    if (!readPair(db, weapon, a, b, score)) {
        return std::nullopt;
    }
    return score;
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
    BoutWriter writer(db);
    for (const BoutEntry& bout : bouts) {
        if (Status written = writer.write(weapon, bout); !written) {
            return written;
        }
    }
    return Status::success();
}

// The check and the writes share one transaction begun for writing, so no other writer can
// slip in between them.
Status BoutResults::WriteChanges(const Database& db, int weapon,
                                 const std::vector<BoutChange>& changes,
                                 std::vector<BoutConflict>& conflicts) {
    conflicts.clear();
    Transaction transaction(db);
    if (!transaction.begun()) {
        return transaction.begun();
    }
    BoutWriter writer(db);
    std::vector<BoutConflict> found;
    for (const BoutChange& change : changes) {
        std::optional<BoutScore> stored;
        if (Status read = readPair(db, weapon, change.fencer, change.opponent, stored); !read) {
            return read;
        }
        if (stored == change.typed) {
            continue;
        }
        if (stored != change.loaded) {
            found.push_back({change.fencer, change.opponent, change.typed, stored});
            continue;
        }
        if (Status written = writer.write(weapon, {change.fencer, change.opponent, change.typed});
            !written) {
            return written;
        }
    }
    Status committed = transaction.commit();
    if (committed) {
        conflicts = std::move(found);
    }
    return committed;
}
