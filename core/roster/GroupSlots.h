#pragma once

#include "roster/GroupSlot.h"

// The 24 slots of the group view and the slot picked for a swap.
class GroupSlots final {
public:
    enum class Click { Picked, Unpicked, AskSwap };

    void fill(const GroupSlotArray& filled);
    void clear();

    const GroupSlot& slot(int k) const { return m_slots[static_cast<size_t>(k)]; }
    const GroupSlotArray& groupSlots() const { return m_slots; }
    int selected() const { return m_selected; }

    // A click on slot k: picks it, unpicks it, or (with another slot picked) asks to swap.
    Click click(int k);
    // Exchanges slot k with the picked slot; nothing is picked afterwards.
    void swapWithSelected(int k);
    // The question asked before a swap.
    QString swapQuestion(int k) const;

private:
    GroupSlotArray m_slots;
    int m_selected = -1;
};
