#include "entry/EntryHeader.h"

#include <QGridLayout>
#include <QLabel>

namespace {

QLabel* headerLabel(const char* name, qreal scale, bool bold, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * scale);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

}  // namespace

EntryHeader::EntryHeader(QWidget* parent) : QWidget(parent) {
    lWeaponName = headerLabel("lWeaponName", 1.6, true, this);
    lRound = headerLabel("lRound", 1.25, true, this);
    lPool = headerLabel("lPool", 1.1, false, this);
    lStrip = headerLabel("lStrip", 1.1, false, this);
    lMatchup = headerLabel("lMatchup", 1.1, true, this);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(lWeaponName, 0, 0, 1, 3, Qt::AlignHCenter);
    grid->addWidget(lRound, 1, 0, Qt::AlignLeft);
    grid->addWidget(lMatchup, 1, 1, Qt::AlignHCenter);
    grid->addWidget(lStrip, 1, 2, Qt::AlignRight);
    grid->addWidget(lPool, 2, 2, Qt::AlignRight);
    grid->setColumnStretch(1, 1);
}

void EntryHeader::show(const QString& weaponName, const QString& round, int stripSet,
                       const QString& strip, const QString& matchup) {
    lWeaponName->setText(weaponName);
    lRound->setText(round);
    lPool->setText(QStringLiteral("Pool %1").arg(stripSet + 1));
    lStrip->setText(strip);
    lMatchup->setText(matchup);
}
