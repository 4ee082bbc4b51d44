#pragma once

#include <QStringList>

// The five exclusion entries of a roster row and the Roster flags each one stands for.
class RosterStatus final {
public:
    enum Entry { No = 0, InPool = 1, Final4 = 2, Drug = 3, Injury = 4 };

    struct Flags {
        bool excluded = false;
        bool excludedButCount = false;
        bool injury = false;
    };

    static const QStringList& Entries();
    static Flags FlagsFor(int entry);
    // "Drug" is stored as "Final 4" would be, so a saved "Drug" comes back as "Final 4".
    static int EntryFor(const Flags& flags);
};
