#pragma once

#include "db/Result.h"
#include "roster/GroupSlot.h"

#include <QString>

class Database;

// Whether saving a draw would disturb recorded bouts. Groups decide who meets whom in
// which round and on which strip, so new groups for an event with results move those
// bouts: the unreported results finder and the printed schedules then follow the new
// groups. The bouts themselves stay recorded, and every pair still meets exactly once.
class RedrawCheck final {
public:
    // The event's recorded bouts when `groupSlots` put any fencer into another group than
    // the stored draw; 0 when the groups keep their fencers or nothing is recorded; the
    // failure when the file cannot be read.
    static Result<int> BoutsDisturbed(const Database& db, int weapon,
                                      const GroupSlotArray& groupSlots);

    // The question the roster editor asks before saving such a draw (No is the default).
    static QString Question(int bouts);
    // Why orle-cli draw refuses without --force.
    static QString Refusal(int bouts);
    // What a forced redraw did with the recorded bouts.
    static QString Consequence();
    // Why nothing was saved when the recorded bouts could not be read, with the read failure.
    static QString Unreadable(const Status& failure);
};
