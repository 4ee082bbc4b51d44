#pragma once

#include <QString>
#include <array>

// One place of an event's draw: slot k is place k % 3 of group k / 3.
struct GroupSlot {
    QString caption;        // "Given Family (ABBR)", empty for an empty slot
    int fencerNumber = -1;  // -1 for an empty slot
};

using GroupSlotArray = std::array<GroupSlot, 24>;
