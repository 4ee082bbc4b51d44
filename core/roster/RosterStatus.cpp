#include "roster/RosterStatus.h"

const QStringList& RosterStatus::Entries() {
    static const QStringList entries = {QStringLiteral("No"), QStringLiteral("In Pool"),
                                        QStringLiteral("Final 4"), QStringLiteral("Drug"),
                                        QStringLiteral("Injury")};
    return entries;
}

RosterStatus::Flags RosterStatus::FlagsFor(int entry) {
    Flags flags;
    flags.excluded = entry == InPool;
    flags.excludedButCount = entry == Final4 || entry == Drug;
    flags.injury = entry == Injury;
    return flags;
}

int RosterStatus::EntryFor(const Flags& flags) {
    if (flags.excluded) {
        return InPool;
    }
    if (flags.excludedButCount) {
        return Final4;
    }
    return flags.injury ? Injury : No;
}
