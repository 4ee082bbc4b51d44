#include "entry/StripLineup.h"

#include "db/Database.h"

#include <utility>

Result<StripLineup> StripLineup::LoadPool(const Database& db, int weapon, int stripSet) {
    Result<StripLineup> loaded = load(db, weapon, 0, stripSet);
    if (!loaded) {
        return loaded;
    }
    StripLineup lineup = *loaded;
    lineup.exchangeTeammates();
    return lineup;
}

Result<StripLineup> StripLineup::LoadDual(const Database& db, int weapon, int round, int stripSet) {
    return load(db, weapon, round, stripSet);
}

Result<StripLineup> StripLineup::load(const Database& db, int weapon, int round, int stripSet) {
    Statement rows = db.prepare(
        QStringLiteral(
            "SELECT R.Subgroup + CASE WHEN R.\"Group\" = S.Group1 THEN 0 ELSE 3 END, "
            "trim(ifnull(R.FName, '') || ' ' || ifnull(R.LName, '')), R.FencerNumber, "
            "ifnull(T.Abbreviation, ''), R.Excluded "
            "FROM Schedule AS S INNER JOIN Roster AS R "
            "ON R.\"Group\" = S.Group1 OR R.\"Group\" = S.Group2 "
            "LEFT JOIN Teams AS T ON T.Team = R.Team "
            "WHERE S.Round = ? AND S.Stripset = ? AND R.Weapon = ? AND S.Group1 <> S.Group2 "
            "AND R.\"Group\" < 99 AND R.Subgroup < 3"),
        {round, stripSet, weapon});
    StripLineup lineup;
    while (rows.next()) {
        const int place = rows.toInt(0);
        if (place < 0 || place > 5) {
            continue;
        }
        LineupFencer& f = lineup.places[static_cast<size_t>(place)];
        f.fencerNumber = rows.toInt(2);
        f.excluded = rows.toInt(4) != 0;
        f.name = rows.toText(1);
        f.school = rows.toText(3);
    }
    if (!rows.ok()) {
        return rows.status();
    }
    return lineup;
}

// Teammates are the third fencers of both groups; the pool sheet then keeps them apart by
// its bout order, which needs places 1 and 3 exchanged.
void StripLineup::exchangeTeammates() {
    const LineupFencer& a = places[2];
    const LineupFencer& b = places[5];
    if (a.entersBouts() && b.entersBouts() && a.school == b.school) {
        std::swap(places[1], places[3]);
    }
}
