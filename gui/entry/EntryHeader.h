#pragma once

#include <QWidget>

class QLabel;

// The heading of a result entry window: event, round, pool, strip and the two groups.
class EntryHeader final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EntryHeader)

public:
    explicit EntryHeader(QWidget* parent);

    void show(const QString& weaponName, const QString& round, int stripSet, const QString& strip,
              const QString& matchup);

private:
    QLabel* lWeaponName = nullptr;
    QLabel* lRound = nullptr;
    QLabel* lPool = nullptr;
    QLabel* lStrip = nullptr;
    QLabel* lMatchup = nullptr;
};
