#include "standings/FinalFourBracket.h"

#include "db/ChangedElsewhere.h"
#include "db/Database.h"
#include "db/Transaction.h"

namespace {

const char* const kNameSql =
    "trim(ifnull(%1.FName,'')) || ' ' || trim(ifnull(%1.LName,'')) || ' (' || "
    "trim(ifnull(%2.Abbreviation,'')) || ')'";

bool isSemifinalSlot(int slot) {
    return slot >= 0 && slot < 4;
}
bool isMedalBoutSlot(int slot) {
    return slot >= 10 && slot < 14;
}

}  // namespace

QString FinalFourBracket::BoutName(int bout) {
    switch (bout) {
        case 0:
            return QStringLiteral("Semifinal A");
        case 1:
            return QStringLiteral("Semifinal B");
        case 10:
            return QStringLiteral("Gold Medal Bout");
        case 11:
            return QStringLiteral("Bronze Medal Bout");
        default:
            return QString();
    }
}

void FinalFourBracket::Clear() {
    m_names.fill(Name{});
    m_scores.fill(ScoreBox{});
    m_loaded.fill(Row{});
}

size_t FinalFourBracket::indexOf(int bout) {
    for (size_t i = 0; i < kBouts.size(); ++i) {
        if (kBouts[i] == bout) {
            return i;
        }
    }
    return kBouts.size();
}

Status FinalFourBracket::Load(const Database& db, int event, bool* seeded) {
    Clear();
    // Left joins: a bout whose fencer has left the roster still shows, with an empty name.
    Statement q = db.prepare(
        QStringLiteral("SELECT FinalFour.Bout, FinalFour.TopFencer, %1, FinalFour.BottomFencer, "
                       "%2, FinalFour.Winner, ifnull(FinalFour.Score,'') FROM FinalFour "
                       "LEFT JOIN Roster ON Roster.Weapon = FinalFour.Weapon AND "
                       "Roster.FencerNumber = FinalFour.TopFencer "
                       "LEFT JOIN Teams ON Teams.Team = Roster.Team "
                       "LEFT JOIN Roster AS RO1 ON RO1.Weapon = FinalFour.Weapon AND "
                       "RO1.FencerNumber = FinalFour.BottomFencer "
                       "LEFT JOIN Teams AS T1 ON T1.Team = RO1.Team "
                       "WHERE FinalFour.Weapon = ? ORDER BY FinalFour.Bout")
            .arg(QLatin1String(kNameSql).arg(QStringLiteral("Roster"), QStringLiteral("Teams")),
                 QLatin1String(kNameSql).arg(QStringLiteral("RO1"), QStringLiteral("T1"))),
        {event});
    bool any = false;
    while (q.next()) {
        any = true;
        const int bout = q.toInt(0);
        const int top = TopSlot(bout);
        if (top < 0 || top > 12 || (bout % 10) > 1) {
            continue;
        }
        m_loaded[indexOf(bout)] = {true, q.toInt(1), q.toInt(3), q.toInt(5), q.toText(6)};
        slot(top) = {q.toInt(1), q.toText(2)};
        slot(top + 1) = {q.toInt(3), q.toText(4)};
        box(ResultSlot(bout)) = {q.toText(6), true};
        // Semifinals come first, so their winners fill the medal bouts the later rows confirm.
        const int winner = q.toInt(5);
        if (winner == slot(top).fencer || winner == slot(top + 1).fencer) {
            ChooseWinner(winner == slot(top).fencer ? top : top + 1);
        }
    }
    if (seeded != nullptr) {
        *seeded = any;
    }
    return q.ok() ? Status::success() : Status::failure(q.errorString());
}

QString FinalFourBracket::caption(int i) const {
    const Name& n = name(i);
    if (n.empty() || !isSemifinalSlot(i)) {
        return n.text;
    }
    static constexpr std::array<int, 4> kSeedOfSlot = {1, 4, 3, 2};
    return QStringLiteral("%1. %2").arg(kSeedOfSlot[static_cast<size_t>(i)]).arg(n.text);
}

void FinalFourBracket::setScore(int i, const QString& text) {
    box(i).text = text;
}

bool FinalFourBracket::ChooseWinner(int i) {
    if (!isSemifinalSlot(i) && !isMedalBoutSlot(i)) {
        return false;
    }
    const int opponent = i ^ 1;
    if (name(i).empty() || name(opponent).empty()) {
        return false;
    }
    if (isMedalBoutSlot(i)) {
        const int medallist = i / 2 + 15;
        slot(medallist) = name(i);
        box(medallist).enabled = true;
        return true;
    }
    const Name winner = name(i);
    const Name loser = name(opponent);
    slot(10 + i / 2) = winner;
    box(10 + i / 2).enabled = true;
    // A medallist who now lost, or now won, this semifinal is in the other medal bout.
    if (name(20).fencer == loser.fencer) {
        slot(20) = {};
        box(20).text.clear();
    }
    slot(12 + i / 2) = loser;
    if (name(21).fencer == winner.fencer) {
        slot(21) = {};
        box(21).text.clear();
    }
    return true;
}

void FinalFourBracket::clearMedal(int i) {
    slot(i) = {};
    box(i) = {};
}

void FinalFourBracket::ClearResult(int i) {
    if (i == 10 || i == 11) {
        // Both medal bouts lose a fencer: neither result can stand without him.
        clearMedal(20);
        clearMedal(21);
        slot(i + 2) = {};
    } else if (i != 20 && i != 21) {
        return;
    }
    slot(i) = {};
    box(i) = {};
}

Status FinalFourBracket::checkScores() const {
    for (int bout : kBouts) {
        const int w = ResultSlot(bout);
        if (!name(w).empty() && score(w).text.size() > kScoreLength) {
            return Status::failure(
                QStringLiteral("The score of the %1 is longer than %2 characters.")
                    .arg(BoutName(bout))
                    .arg(kScoreLength));
        }
    }
    return Status::success();
}

std::optional<FinalFourBracket::Row> FinalFourBracket::wantedRow(int bout) const {
    const Name& top = name(TopSlot(bout));
    const Name& bottom = name(TopSlot(bout) + 1);
    if (top.empty() || bottom.empty()) {
        return bout < 10 ? std::nullopt : std::optional(Row{});
    }
    const Name& winner = name(ResultSlot(bout));
    return Row{true, top.fencer, bottom.fencer, winner.empty() ? kNoFencer : winner.fencer,
               winner.empty() ? QString() : score(ResultSlot(bout)).text};
}

Status FinalFourBracket::readRow(const Database& db, int event, int bout, Row& row) {
    row = Row{};
    Statement q = db.prepare(QStringLiteral("SELECT TopFencer, BottomFencer, Winner, "
                                            "ifnull(Score,'') FROM FinalFour WHERE Weapon = ? "
                                            "AND Bout = ?"),
                             {event, bout});
    if (q.next()) {
        row = {true, q.toInt(0), q.toInt(1), q.toInt(2), q.toText(3)};
    }
    return q.ok() ? Status::success() : Status::failure(q.errorString());
}

Status FinalFourBracket::writeRow(const Database& db, int event, int bout, const Row& row) {
    if (!row.present) {
        return db.exec(QStringLiteral("DELETE FROM FinalFour WHERE Weapon = ? AND Bout = ?"),
                       {event, bout});
    }
    return db.exec(
        QStringLiteral("INSERT INTO FinalFour (Weapon, Bout, TopFencer, BottomFencer, Winner, "
                       "Score) VALUES (?, ?, ?, ?, ?, ?) ON CONFLICT (Weapon, Bout) DO UPDATE SET "
                       "TopFencer = excluded.TopFencer, BottomFencer = excluded.BottomFencer, "
                       "Winner = excluded.Winner, Score = excluded.Score"),
        {event, bout, row.top, row.bottom, row.winner, row.score});
}

// A bout's result in words, naming the winner as the bracket shows him.
QString FinalFourBracket::rowText(const Row& row) const {
    if (!row.present) {
        return QStringLiteral("no bout");
    }
    if (row.winner == kNoFencer) {
        return QStringLiteral("no winner");
    }
    QString winner = QStringLiteral("fencer %1").arg(row.winner);
    for (int i : kNameSlots) {
        if (name(i).fencer == row.winner && !name(i).text.isEmpty()) {
            winner = name(i).text;
            break;
        }
    }
    return row.score.isEmpty() ? QStringLiteral("%1 won").arg(winner)
                               : QStringLiteral("%1 won %2").arg(winner, row.score);
}

Status FinalFourBracket::findChanges(const Database& db, int event, Changes& changes,
                                     QStringList& clashes) const {
    for (size_t i = 0; i < kBouts.size(); ++i) {
        const std::optional<Row> wanted = wantedRow(kBouts[i]);
        if (!wanted || *wanted == m_loaded[i]) {
            continue;
        }
        Row stored;
        if (Status s = readRow(db, event, kBouts[i], stored); !s) {
            return s;
        }
        if (stored != m_loaded[i] && stored != *wanted) {
            clashes << QStringLiteral("%1: %2").arg(
                BoutName(kBouts[i]),
                ChangedElsewhere::TypedAndStored(rowText(*wanted), rowText(stored)));
        }
        changes[i] = wanted;
    }
    return Status::success();
}

// The check and the writes share one transaction begun for writing, so no other writer can
// slip in between them.
Status FinalFourBracket::Save(const Database& db, int event, QStringList* changedElsewhere) {
    if (Status s = checkScores(); !s) {
        return s;
    }
    Transaction t(db);
    if (!t.begun()) {
        return t.begun();
    }
    Changes changes;
    QStringList clashes;
    if (Status s = findChanges(db, event, changes, clashes); !s) {
        return s;
    }
    if (!clashes.isEmpty()) {
        clashes << QStringLiteral(
            "Nothing of this Final Four was saved, as its bouts hang together; enter your "
            "results again where they still stand.");
    }
    for (size_t i = 0; i < kBouts.size() && clashes.isEmpty(); ++i) {
        if (changes[i]) {
            if (Status s = writeRow(db, event, kBouts[i], *changes[i]); !s) {
                return s;
            }
        }
    }
    if (Status committed = t.commit(); !committed) {
        return committed;
    }
    for (size_t i = 0; i < kBouts.size() && clashes.isEmpty(); ++i) {
        m_loaded[i] = changes[i].value_or(m_loaded[i]);
    }
    if (changedElsewhere != nullptr) {
        *changedElsewhere = clashes;
    }
    return Status::success();
}
