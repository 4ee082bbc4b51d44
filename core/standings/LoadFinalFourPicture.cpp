#include "standings/LoadFinalFourPicture.h"

#include "db/Database.h"

namespace {

struct BoutRow {
    int bout = 0;
    short top = FinalFourEntry::kEmpty;
    short bottom = FinalFourEntry::kEmpty;
    short winner = FinalFourEntry::kEmpty;
    QString score;

    bool decided() const { return winner != FinalFourEntry::kEmpty; }
    // An undecided bout has no loser yet either.
    short loser() const {
        return decided() ? static_cast<short>(top + bottom - winner) : FinalFourEntry::kEmpty;
    }
};

void setFencer(FinalFourEntry& entry, short fencer, const QString& score = QString()) {
    entry.FencerNumber = fencer;
    entry.Score = score;
}

// The score is written winner's touches first; without a dash nothing can be split.
void splitTouches(const QString& score, FinalFourEntry& winner, FinalFourEntry& loser) {
    const qsizetype dash = score.indexOf(QLatin1Char('-'));
    if (dash < 0) {
        return;
    }
    winner.Touches = score.left(dash);
    loser.Touches = score.mid(dash + 1);
}

void placeSemifinal(FinalFourPicture& picture, const BoutRow& row) {
    const int b = row.bout;
    picture.Seeds[2 * b + 1].FencerNumber = row.top;
    picture.Seeds[4 - 2 * b].FencerNumber = row.bottom;
    setFencer(picture.Finalists[b + 1], row.winner, row.score);
    setFencer(picture.Finalists[b + 3], row.loser());
    if (!row.decided()) {
        return;
    }
    const bool topWon = row.winner == row.top;
    FinalFourEntry& top = picture.Seeds[2 * b + 1];
    FinalFourEntry& bottom = picture.Seeds[4 - 2 * b];
    splitTouches(row.score, topWon ? top : bottom, topWon ? bottom : top);
}

void placeMedalBout(FinalFourPicture& picture, const BoutRow& row, PlaceOf* placeOf) {
    const int firstPlace = 2 * row.bout - 19;  // 1 for gold, 3 for bronze
    setFencer(picture.Places[firstPlace], row.winner, row.score);
    setFencer(picture.Places[firstPlace + 1], row.loser());
    if (placeOf != nullptr) {
        for (const auto& [fencer, place] :
             {std::pair{row.winner, firstPlace}, std::pair{row.loser(), firstPlace + 1}}) {
            if (fencer >= 0 && fencer < static_cast<int>(placeOf->size())) {
                (*placeOf)[static_cast<size_t>(fencer)] = place;
            }
        }
    }
    const int topSlot = row.bout == 10 ? 1 : 3;
    const bool topWon = row.winner == row.top;
    FinalFourEntry& top = picture.Finalists[topSlot];
    FinalFourEntry& bottom = picture.Finalists[topSlot + 1];
    splitTouches(row.score, topWon ? top : bottom, topWon ? bottom : top);
}

Status loadNames(const Database& db, int event, FinalFourPicture::Slots& seeds) {
    for (int slot = 1; slot <= 4; ++slot) {
        FinalFourEntry& seed = seeds[static_cast<size_t>(slot)];
        Statement names = db.prepare(
            QStringLiteral("SELECT ifnull(FName,'') || ' ' || ifnull(LName,''), LName, HTMLName, "
                           "Excluded <> 0 OR ExcludedButCount <> 0 FROM Roster "
                           "WHERE Weapon=? AND FencerNumber=?"),
            {event, static_cast<int>(seed.FencerNumber)});
        if (names.next()) {
            const bool excluded = names.toInt(3) != 0;
            seed.FullName = excluded ? QStringLiteral("FENCER EXCLUDED") : names.toText(0);
            seed.LName = excluded ? QStringLiteral("EXCLUDED") : names.toText(1);
            seed.HTMLName = excluded ? QStringLiteral("FENCER EXCLUDED") : names.toText(2);
        }
        if (!names.ok()) {
            return Status::failure(names.errorString());
        }
    }
    return Status::success();
}

void copyNames(const FinalFourPicture::Slots& from, FinalFourPicture::Slots& to) {
    for (size_t target = 1; target < to.size(); ++target) {
        for (size_t source = 1; source < from.size(); ++source) {
            if (!to[target].isEmpty() && from[source].FencerNumber == to[target].FencerNumber) {
                to[target].LName = from[source].LName;
                to[target].FullName = from[source].FullName;
                to[target].HTMLName = from[source].HTMLName;
            }
        }
    }
}

}  // namespace

Status LoadFinalFourPicture(const Database& db, int event, FinalFourPicture& picture,
                            PlaceOf* placeOf) {
    picture = FinalFourPicture();
    Statement bouts =
        db.prepare(QStringLiteral("SELECT Bout, TopFencer, BottomFencer, Winner, ifnull(Score,'') "
                                  "FROM FinalFour WHERE Weapon=? ORDER BY Bout"),
                   {event});
    while (bouts.next()) {
        const BoutRow row{bouts.toInt(0), static_cast<short>(bouts.toInt(1)),
                          static_cast<short>(bouts.toInt(2)), static_cast<short>(bouts.toInt(3)),
                          bouts.toText(4)};
        if (row.bout < 2) {
            placeSemifinal(picture, row);
        } else if ((row.bout == 10 || row.bout == 11) && row.decided()) {
            placeMedalBout(picture, row, placeOf);
        }
    }
    if (!bouts.ok()) {
        return Status::failure(bouts.errorString());
    }
    if (Status named = loadNames(db, event, picture.Seeds); !named) {
        return named;
    }
    copyNames(picture.Seeds, picture.Finalists);
    copyNames(picture.Finalists, picture.Places);
    return Status::success();
}
