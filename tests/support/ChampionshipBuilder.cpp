#include "support/ChampionshipBuilder.h"

void ChampionshipBuilder::addFencer(const Fencer& f) const {
    m_file.exec(QStringLiteral("INSERT INTO Roster (Weapon, FencerNumber, Team, LName, FName, "
                               "HTMLName, AddlText, \"Group\", Subgroup, Excluded, "
                               "ExcludedButCount, Injury, Advanced) "
                               "VALUES (?, ?, ?, ?, ?, ?, '', ?, ?, ?, ?, ?, ?)"),
                {f.weapon, f.number, f.team, f.last, f.first, f.first + QLatin1Char(' ') + f.last,
                 f.group, f.subgroup, f.excluded, f.excludedButCount, f.injury, f.advanced});
}

void ChampionshipBuilder::drawFullEvent(int weapon) const {
    for (int n = 0; n < 24; ++n) {
        Fencer f;
        f.weapon = weapon;
        f.number = n;
        f.team = n;
        f.group = n / 3;
        f.subgroup = n % 3;
        f.first = QStringLiteral("First%1").arg(n);
        f.last = QStringLiteral("Last%1").arg(n);
        addFencer(f);
    }
}

void ChampionshipBuilder::addBout(int weapon, int left, int right, int leftTouches,
                                  int rightTouches, bool leftWins) const {
    m_file.exec(
        QStringLiteral("INSERT INTO Results (Weapon, FencerNumber, Opponent, Victory, "
                       "Touches) VALUES (?, ?, ?, ?, ?), (?, ?, ?, ?, ?)"),
        {weapon, left, right, leftWins, leftTouches, weapon, right, left, !leftWins, rightTouches});
}
