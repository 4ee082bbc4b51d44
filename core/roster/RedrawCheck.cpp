#include "roster/RedrawCheck.h"

#include "db/Database.h"
#include "roster/GroupStore.h"

#include <array>
#include <set>

namespace {

constexpr int kGroups = 8;
constexpr int kPlaces = 3;

// The fencer numbers in each group, whatever their places: a swap within a group keeps
// every round's matches.
std::array<std::set<int>, kGroups> membership(const GroupSlotArray& groupSlots) {
    std::array<std::set<int>, kGroups> groups;
    for (size_t k = 0; k < groupSlots.size(); ++k) {
        if (groupSlots[k].fencerNumber >= 0) {
            groups[k / kPlaces].insert(groupSlots[k].fencerNumber);
        }
    }
    return groups;
}

}  // namespace

Result<int> RedrawCheck::BoutsDisturbed(const Database& db, int weapon,
                                        const GroupSlotArray& groupSlots) {
    const Result<GroupStore::Loaded> stored = GroupStore(db).load(weapon);
    if (!stored) {
        return stored.status();
    }
    if (membership(stored->groupSlots) == membership(groupSlots)) {
        return 0;
    }
    // A bout counts once, whichever of its two rows is stored.
    const Result<std::optional<long long>> bouts = db.queryInt(
        QStringLiteral("SELECT COUNT(*) FROM (SELECT DISTINCT "
                       "CASE WHEN FencerNumber < Opponent THEN FencerNumber ELSE Opponent END "
                       "AS Lower, "
                       "CASE WHEN FencerNumber < Opponent THEN Opponent ELSE FencerNumber END "
                       "AS Higher FROM Results WHERE Weapon = ?) AS Bouts"),
        {weapon});
    if (!bouts) {
        return bouts.status();
    }
    return static_cast<int>(bouts->value_or(0));
}

QString RedrawCheck::Question(int bouts) {
    return QStringLiteral(
               "%1 bout(s) of this event are recorded. New groups change who meets whom in each "
               "round and on each strip: the recorded bouts are kept, but the unreported results "
               "finder and the printed schedules will follow the new groups.\n\n"
               "Save the new groups?")
        .arg(bouts);
}

QString RedrawCheck::Refusal(int bouts) {
    return QStringLiteral(
               "%1 bout(s) of this event are recorded, and new groups change who meets whom in "
               "each round and on each strip. Nothing was written. Use --force to draw anyway "
               "(the recorded bouts are kept).")
        .arg(bouts);
}

QString RedrawCheck::Consequence() {
    return QStringLiteral(
        "The recorded bouts are kept; the unreported results finder and the printed schedules "
        "now follow the new groups.");
}

QString RedrawCheck::Unreadable(const Status& failure) {
    return QStringLiteral("The groups were not saved. %1").arg(failure.message());
}
