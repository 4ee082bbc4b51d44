#pragma once

#include "db/Result.h"
#include "entry/BoutScore.h"

#include <QString>
#include <optional>
#include <vector>

class Database;

// One scheduled opponent of a fencer and how their bout stands, seen from the fencer.
struct RecordBout final {
    int round = 0;
    int opponent = -1;
    QString opponentName;
    QString school;
    bool opponentExcluded = false;
    // None while the bout is not recorded (or its two rows disagree on the winner).
    std::optional<BoutScore> score;
};

// A fencer's whole record, bout by bout in round order, with the totals the fencer signs for.
struct FencerRecord final {
    std::vector<RecordBout> bouts;
    int wins = 0;
    int losses = 0;
    int scored = 0;
    int received = 0;

    // Every scheduled opponent of the fencer: by round, group-mates first in round one,
    // then by place in the group.
    static Result<FencerRecord> Load(const Database& db, int weapon, int fencer);

    // "wins-losses", "scored-received" and the indicator with its sign ("+0" when even).
    QString victoriesText() const;
    QString touchesText() const;
    QString indicatorText() const;
};
