#include "entry/PoolEntry.h"

#include "db/Database.h"

std::array<bool, 6> PoolEntry::entered() const {
    std::array<bool, 6> result{};
    for (size_t p = 0; p < result.size(); ++p) {
        result[p] = lineup.places[p].entersBouts();
    }
    return result;
}

bool PoolEntry::cellEntered(int row, int column) const {
    const std::array<bool, 6> e = entered();
    return row != column && e[static_cast<size_t>(row)] && e[static_cast<size_t>(column)];
}

PoolEntry PoolEntry::Load(const Database& db, int weapon, int stripSet) {
    PoolEntry pool;
    pool.lineup = StripLineup::LoadPool(db, weapon, stripSet);
    for (int r = 0; r < PoolScores::kPlaces; ++r) {
        for (int c = r + 1; c < PoolScores::kPlaces; ++c) {
            if (!pool.cellEntered(r, c)) {
                continue;
            }
            const std::optional<BoutScore> score = BoutResults::Read(
                db, weapon, pool.lineup.places[static_cast<size_t>(r)].fencerNumber,
                pool.lineup.places[static_cast<size_t>(c)].fencerNumber);
            pool.showScore(r, c, score);
        }
    }
    pool.loaded = pool.scores;
    return pool;
}

void PoolEntry::showScore(int row, int column, const std::optional<BoutScore>& score) {
    scores.setMark(row, column, score ? score->leftMark() : QString());
    scores.setMark(column, row, score ? score->rightMark() : QString());
}

std::vector<BoutEntry> PoolEntry::bouts() const {
    std::vector<BoutEntry> list;
    for (int r = 0; r < PoolScores::kPlaces; ++r) {
        for (int c = r + 1; c < PoolScores::kPlaces; ++c) {
            if (!cellEntered(r, c)) {
                continue;
            }
            const ScoreRules::Read read = scores.bout(r, c);
            BoutEntry bout{lineup.places[static_cast<size_t>(r)].fencerNumber,
                           lineup.places[static_cast<size_t>(c)].fencerNumber, std::nullopt};
            if (read.reading == ScoreRules::Reading::Result) {
                bout.score = read.score;
            }
            list.push_back(bout);
        }
    }
    return list;
}

std::vector<BoutChange> PoolEntry::changes() const {
    std::vector<BoutChange> list;
    for (const BoutEntry& bout : bouts()) {
        const int r = placeOf(bout.fencer);
        const int c = placeOf(bout.opponent);
        const ScoreRules::Read before = loaded.bout(r, c);
        const std::optional<BoutScore> was = before.reading == ScoreRules::Reading::Result
                                                 ? std::optional(before.score)
                                                 : std::nullopt;
        if (was != bout.score) {
            list.push_back({bout.fencer, bout.opponent, was, bout.score});
        }
    }
    return list;
}

int PoolEntry::placeOf(int fencerNumber) const {
    for (int p = 0; p < PoolScores::kPlaces; ++p) {
        if (lineup.places[static_cast<size_t>(p)].fencerNumber == fencerNumber) {
            return p;
        }
    }
    return -1;
}

QString PoolEntry::conflictLine(const BoutConflict& conflict) const {
    const int r = placeOf(conflict.fencer);
    const int c = placeOf(conflict.opponent);
    return QStringLiteral("Bout %1-%2 (%3 v %4): %5")
        .arg(r + 1)
        .arg(c + 1)
        .arg(lineup.places[static_cast<size_t>(r)].name, lineup.places[static_cast<size_t>(c)].name,
             conflict.typedAndStored());
}

Status PoolEntry::save(const Database& db, int weapon, QStringList* changedElsewhere) {
    if (const auto bad = scores.firstInvalidBout(entered())) {
        return Status::failure(
            QStringLiteral("Invalid data in bout %1-%2").arg(bad->first + 1).arg(bad->second + 1));
    }
    if (changedElsewhere != nullptr) {
        changedElsewhere->clear();
    }
    std::vector<BoutConflict> conflicts;
    if (Status written = BoutResults::WriteChanges(db, weapon, changes(), conflicts); !written) {
        return written;
    }
    for (const BoutConflict& conflict : conflicts) {
        showScore(placeOf(conflict.fencer), placeOf(conflict.opponent), conflict.stored);
        if (changedElsewhere != nullptr) {
            changedElsewhere->append(conflictLine(conflict));
        }
    }
    loaded = scores;
    return Status::success();
}
