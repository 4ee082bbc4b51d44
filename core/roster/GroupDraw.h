#pragma once

#include "roster/GroupSlot.h"
#include "roster/RosterRow.h"

#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class SchoolList;

// The random draw of an event's 24 fencers into eight groups of three, keeping teammates
// in one group as far as the field allows: three of a school share a whole group, two of a
// school share places 0 and 1 of a group, and single fencers fill the rest.
class GroupDraw final {
public:
    // A uniform random number in [0, 1).
    using Random = std::function<double()>;

    struct Result {
        GroupSlotArray groupSlots;
        // The fencers at sorted positions 17 and 18 are teammates: more than eight pairs.
        bool moreThanEightPairs = false;
        // One line per school whose fencers ended up in more than one group.
        QStringList splitTeams;

        // The "Multiple teammates" message, or an empty text when every team is together.
        QString warning() const;
    };

    // Empty when a row has no school (the roster is not complete).
    static std::optional<Result> Draw(const std::vector<RosterRow>& rows, const SchoolList& schools,
                                      const Random& random);
    // A generator seeded from the time of day, as the program draws.
    static Random ClockSeededRandom();
    // The same generator with a given seed, to repeat a draw.
    static Random SeededRandom(unsigned seed);
};
