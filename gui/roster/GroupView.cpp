#include "roster/GroupView.h"

#include "roster/SlotLabel.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

GroupView::GroupView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("GroupView"));
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(18);
    for (int g = 0; g < 8; ++g) {
        auto* box = new QVBoxLayout;
        box->setSpacing(4);
        m_titles[static_cast<size_t>(g)] = new QLabel(this);
        QLabel* title = m_titles[static_cast<size_t>(g)];
        title->setObjectName(QStringLiteral("lGroupName%1").arg(g));
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        box->addWidget(title);
        for (int p = 0; p < 3; ++p) {
            const int k = 3 * g + p;
            auto* slot = new SlotLabel(this);
            slot->setObjectName(QStringLiteral("lName%1").arg(k));
            connect(slot, &SlotLabel::clicked, this, [this, k] { emit slotClicked(k); });
            connect(slot, &SlotLabel::stepped, this, [this, k](int step) {
                m_slots[static_cast<size_t>((k + step + 24) % 24)]->setFocus(Qt::OtherFocusReason);
            });
            m_slots[static_cast<size_t>(k)] = slot;
            box->addWidget(slot);
        }
        grid->addLayout(box, g / 4, g % 4);
    }
    grid->setRowStretch(2, 1);
}

void GroupView::setGroupNames(const QStringList& names) {
    for (int g = 0; g < 8 && g < names.size(); ++g) {
        m_titles[static_cast<size_t>(g)]->setText(names[g]);
    }
}

void GroupView::showSlots(const GroupSlotArray& groupSlots) {
    for (int k = 0; k < 24; ++k) {
        m_slots[static_cast<size_t>(k)]->setCaption(groupSlots[static_cast<size_t>(k)].caption);
        m_slots[static_cast<size_t>(k)]->setPicked(false);
    }
}

void GroupView::setPicked(int k, bool picked) {
    m_slots[static_cast<size_t>(k)]->setPicked(picked);
}

bool GroupView::isPicked(int k) const {
    return m_slots[static_cast<size_t>(k)]->picked();
}
