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

Result<PoolEntry> PoolEntry::Load(const Database& db, int weapon, int stripSet) {
    PoolEntry pool;
    const Result<StripLineup> lineup = StripLineup::LoadPool(db, weapon, stripSet);
    if (!lineup) {
        return lineup.status();
    }
    pool.lineup = *lineup;
    for (int r = 0; r < PoolScores::kPlaces; ++r) {
        for (int c = r + 1; c < PoolScores::kPlaces; ++c) {
            if (!pool.cellEntered(r, c)) {
                continue;
            }
            const Result<std::optional<BoutScore>> score = BoutResults::Read(
                db, weapon, pool.lineup.places[static_cast<size_t>(r)].fencerNumber,
                pool.lineup.places[static_cast<size_t>(c)].fencerNumber);
            if (!score) {
                return score.status();
            }
            if (*score) {
                pool.scores.setMark(r, c, (*score)->leftMark());
                pool.scores.setMark(c, r, (*score)->rightMark());
            }
        }
    }
    return pool;
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

Status PoolEntry::save(const Database& db, int weapon) const {
    if (const auto bad = scores.firstInvalidBout(entered())) {
        return Status::failure(
            QStringLiteral("Invalid data in bout %1-%2").arg(bad->first + 1).arg(bad->second + 1));
    }
    return BoutResults::Write(db, weapon, bouts());
}
