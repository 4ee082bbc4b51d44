#include "entry/BoutRevert.h"

#include "db/Database.h"
#include "db/Transaction.h"
#include "entry/BoutResults.h"

namespace BoutRevert {
namespace {

constexpr int kNoWinner = 99;

// A bout's result as the change log writes it: touches of the lower fencer number, of the
// higher, and 1 when the lower won.
QString boutValue(const std::optional<BoutScore>& score) {
    return score ? QStringLiteral("%1 %2 %3")
                       .arg(score->leftTouches)
                       .arg(score->rightTouches)
                       .arg(score->leftWins ? 1 : 0)
                 : QString();
}

QString boutText(const std::optional<BoutScore>& score) {
    return score ? QStringLiteral("%1-%2").arg(score->leftMark(), score->rightMark())
                 : QStringLiteral("no result");
}

std::optional<BoutScore> boutFrom(const QString& value) {
    const QStringList parts = value.split(QLatin1Char(' '));
    if (parts.size() != 3) {
        return std::nullopt;
    }
    return BoutScore{parts[0].toInt(), parts[1].toInt(), parts[2] == QLatin1String("1")};
}

struct FinalResult {
    bool present = false;
    QString value;  // "winner score", empty for no winner
};

Result<FinalResult> readFinal(const Database& db, const ChangeLog::Change& change) {
    Statement row = db.prepare(
        QStringLiteral("SELECT Winner, ifnull(Score, '') FROM FinalFour WHERE Weapon = ? AND "
                       "Bout = ?"),
        {*change.event, *change.bout});
    if (!row.next()) {
        if (!row.ok()) {
            return row.status();
        }
        return FinalResult{};
    }
    const int winner = row.toInt(0);
    return FinalResult{true, winner == kNoWinner
                                 ? QString()
                                 : QStringLiteral("%1 %2").arg(winner).arg(row.toText(1))};
}

// Fills the plan's view of the bout as the file holds it now.
Status readCurrent(const Database& db, Plan& plan) {
    const ChangeLog::Change& change = plan.change;
    if (change.bout) {
        const Result<FinalResult> final = readFinal(db, change);
        if (!final) {
            return final.status();
        }
        if (!final->present) {
            return Status::failure(QStringLiteral(
                "This Final Four bout is no longer in the bracket (the event was seeded again); "
                "restore a snapshot to go back further."));
        }
        plan.currentValue = final->value;
        plan.currentText = final->value.isEmpty() ? QStringLiteral("no result") : final->value;
        return Status::success();
    }
    const Result<std::optional<BoutScore>> score =
        BoutResults::Read(db, *change.event, *change.fencer, *change.opponent);
    if (!score) {
        return score.status();
    }
    plan.currentValue = boutValue(*score);
    plan.currentText = boutText(*score);
    return Status::success();
}

Status writeFinal(const Database& db, const ChangeLog::Change& change) {
    const QString value = change.beforeValue;
    const int space = value.indexOf(QLatin1Char(' '));
    const int winner = value.isEmpty() ? kNoWinner : value.left(space).toInt();
    const QString score = value.isEmpty() || space < 0 ? QString() : value.mid(space + 1);
    return db.exec(QStringLiteral("UPDATE FinalFour SET Winner = ?, Score = ? WHERE Weapon = ? "
                                  "AND Bout = ?"),
                   {winner, score, *change.event, *change.bout});
}

Status writeEarlier(const Database& db, const ChangeLog::Change& change) {
    if (change.bout) {
        return writeFinal(db, change);
    }
    return BoutResults::WriteInTransaction(
        db, *change.event, {{*change.fencer, *change.opponent, boutFrom(change.beforeValue)}});
}

}  // namespace

Result<Plan> Prepare(const Database& db, long long changeId) {
    const Result<std::optional<ChangeLog::Change>> found = ChangeLog::Find(db, changeId);
    if (!found) {
        return found.status();
    }
    if (!*found) {
        return Status::failure(
            QStringLiteral("There is no change %1 in the history.").arg(changeId));
    }
    if (!(*found)->isBout() || !(*found)->event) {
        return Status::failure(
            QStringLiteral("Change %1 is not a bout result; only bouts can be reverted. Restore "
                           "a snapshot to undo other changes.")
                .arg(changeId));
    }
    Plan plan{**found, {}, {}};
    if (Status read = readCurrent(db, plan); !read) {
        return read;
    }
    return plan;
}

Status Apply(const Database& db, const Plan& plan) {
    Transaction transaction(db);
    if (!transaction.begun()) {
        return transaction.begun();
    }
    Plan now{plan.change, {}, {}};
    if (Status read = readCurrent(db, now); !read) {
        return read;
    }
    if (now.currentValue != plan.currentValue) {
        return Status::failure(
            QStringLiteral("The bout was changed by another writer meanwhile (it is now %1); "
                           "nothing was reverted.")
                .arg(now.currentText));
    }
    if (Status marked = ChangeLog::MarkBoutsAs(db, QStringLiteral("revert")); !marked) {
        return marked;
    }
    if (Status written = writeEarlier(db, plan.change); !written) {
        return written;
    }
    return transaction.commit();
}

}  // namespace BoutRevert
