#include "standings/FinalFourBracket.h"

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

Status FinalFourBracket::saveBout(const Database& db, int event, int bout) const {
    const int w = ResultSlot(bout);
    const Name& top = name(TopSlot(bout));
    const Name& bottom = name(TopSlot(bout) + 1);
    if (top.empty() || bottom.empty()) {
        // Only medal bouts can lack a fencer; the seeding owns the semifinal rows.
        return bout < 10 ? Status::success()
                         : db.exec(QStringLiteral("DELETE FROM FinalFour WHERE Weapon = ? AND "
                                                  "Bout = ?"),
                                   {event, bout});
    }
    const bool decided = !name(w).empty();
    return db.exec(
        QStringLiteral("INSERT INTO FinalFour (Weapon, Bout, TopFencer, BottomFencer, Winner, "
                       "Score) VALUES (?, ?, ?, ?, ?, ?) ON CONFLICT (Weapon, Bout) DO UPDATE SET "
                       "TopFencer = excluded.TopFencer, BottomFencer = excluded.BottomFencer, "
                       "Winner = excluded.Winner, Score = excluded.Score"),
        {event, bout, top.fencer, bottom.fencer, decided ? name(w).fencer : kNoFencer,
         decided ? score(w).text : QString()});
}

Status FinalFourBracket::Save(const Database& db, int event) const {
    if (Status s = checkScores(); !s) {
        return s;
    }
    Transaction t(db);
    if (!t.begun()) {
        return t.begun();
    }
    for (int bout : kBouts) {
        if (Status s = saveBout(db, event, bout); !s) {
            return s;
        }
    }
    return t.commit();
}
