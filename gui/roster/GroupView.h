#pragma once

#include "roster/GroupSlot.h"

#include <QStringList>
#include <QWidget>
#include <array>

class QLabel;
class SlotLabel;

// The group view of the roster editor: eight group titles, each over its three slots.
class GroupView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GroupView)

public:
    explicit GroupView(QWidget* parent = nullptr);

    void setGroupNames(const QStringList& names);
    // Shows the captions, every slot white.
    void showSlots(const GroupSlotArray& groupSlots);
    void setPicked(int k, bool picked);
    bool isPicked(int k) const;

signals:
    void slotClicked(int k);

private:
    std::array<QLabel*, 8> m_titles{};
    std::array<SlotLabel*, 24> m_slots{};
};
