#include "standings/RankedPlaces.h"

#include "db/Database.h"
#include "standings/FinalFourPicture.h"

namespace {

Status removeFinalists(const Database& db, int event) {
    return db.exec(QStringLiteral("DELETE FROM ResultsScratchpad WHERE Weapon = ? AND FencerNumber "
                                  "IN (SELECT FencerNumber FROM Roster WHERE Weapon = ? AND "
                                  "Advanced <> 0)"),
                   {event, event});
}

}  // namespace

Status RankedPlaces(const Database& db, int event, const FinalFourPicture& picture,
                    std::vector<RankedPlace>& out, PlaceOf& placeOf) {
    out.clear();
    const bool seeded = picture.FinalFourSeeded();
    if (seeded) {
        if (Status s = removeFinalists(db, event); !s) {
            return s;
        }
    }
    Statement q = db.prepare(
        QStringLiteral("SELECT Rank + ?, FencerNumber, Name, ifnull(MediumTeamName,''), V, "
                       "printf('%.3f', Pct), CASE WHEN IND >= 0 THEN '+' ELSE '' END || IND, TS, "
                       "TR, (SELECT trim(ifnull(FName,'')) FROM Roster "
                       "WHERE Roster.Weapon = ResultsRanked.Weapon "
                       "AND Roster.FencerNumber = ResultsRanked.FencerNumber) "
                       "FROM ResultsRanked WHERE Weapon = ? ORDER BY 1, 2"),
        {seeded ? 4 : 0, event});
    while (q.next()) {
        RankedPlace row{q.toInt(0),  q.toInt(1),  q.toText(2), q.toText(3), q.toInt(4),
                        q.toText(5), q.toText(6), q.toInt(7),  q.toInt(8),  q.toText(9)};
        if (row.FencerNumber >= 0 && row.FencerNumber < static_cast<int>(placeOf.size())) {
            placeOf[static_cast<size_t>(row.FencerNumber)] = row.Place;
        }
        out.push_back(std::move(row));
    }
    return q.ok() ? Status::success() : Status::failure(q.errorString());
}
