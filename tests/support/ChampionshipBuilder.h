#pragma once

#include "support/TempChampionship.h"

// Fills a test championship: fencers, drawn groups and bouts, written straight to the file.
class ChampionshipBuilder final {
public:
    explicit ChampionshipBuilder(const TempChampionship& file) : m_file(file) {}

    struct Fencer {
        int weapon = 0;
        int number = 0;
        int team = 0;
        int group = 99;
        int subgroup = 99;
        QString first = QStringLiteral("First");
        QString last = QStringLiteral("Last");
        bool excluded = false;
        bool excludedButCount = false;
        bool injury = false;
        bool advanced = false;
    };

    void addFencer(const Fencer& fencer) const;
    // 24 fencers in an event, fencer n in group n / 3, place n % 3, school n, named
    // "First<n>" "Last<n>".
    void drawFullEvent(int weapon) const;
    // Both rows of a bout; `leftWins` tells the winner.
    void addBout(int weapon, int left, int right, int leftTouches, int rightTouches,
                 bool leftWins) const;

private:
    const TempChampionship& m_file;
};
