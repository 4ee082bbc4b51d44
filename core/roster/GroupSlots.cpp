#include "roster/GroupSlots.h"

#include <utility>

void GroupSlots::fill(const GroupSlotArray& filled) {
    m_slots = filled;
    m_selected = -1;
}

void GroupSlots::clear() {
    fill(GroupSlotArray{});
}

GroupSlots::Click GroupSlots::click(int k) {
    if (k == m_selected) {
        m_selected = -1;
        return Click::Unpicked;
    }
    if (m_selected < 0) {
        m_selected = k;
        return Click::Picked;
    }
    return Click::AskSwap;
}

void GroupSlots::swapWithSelected(int k) {
    if (m_selected >= 0 && m_selected != k) {
        std::swap(m_slots[static_cast<size_t>(k)], m_slots[static_cast<size_t>(m_selected)]);
    }
    m_selected = -1;
}

QString GroupSlots::swapQuestion(int k) const {
    return QStringLiteral("Swap %1 and %2?").arg(slot(k).caption, slot(m_selected).caption);
}
