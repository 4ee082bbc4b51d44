#pragma once

#include "db/Result.h"

#include <QString>
#include <array>

class Database;

// One place on a strip: the fencer standing there, if any.
struct LineupFencer final {
    int fencerNumber = -1;
    QString name;
    QString school;
    bool excluded = false;

    bool present() const { return fencerNumber >= 0; }
    // Bouts can be typed only between present fencers who are not excluded.
    bool entersBouts() const { return present() && !excluded; }
};

// The six fencers of one strip in one round: places 0..2 from the left group, 3..5 from
// the right group, each by subgroup.
class StripLineup final {
public:
    std::array<LineupFencer, 6> places;

    // A round-one pool; teammates at places 2 and 5 make places 1 and 3 trade, so the
    // screen lists the fencers in the order of the printed pool sheet.
    static Result<StripLineup> LoadPool(const Database& db, int weapon, int stripSet);
    // A dual of rounds 2..7 (round index 1..6).
    static Result<StripLineup> LoadDual(const Database& db, int weapon, int round, int stripSet);

private:
    static Result<StripLineup> load(const Database& db, int weapon, int round, int stripSet);
    void exchangeTeammates();
};
