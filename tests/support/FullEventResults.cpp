#include "support/FullEventResults.h"

#include "db/Transaction.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

FullEventResults::FullEventResults(const TempChampionship& file)
    : m_file(file), m_outcome([](int first, int second) { return first < second; }) {}

void FullEventResults::fenceRound(int weapon, int round, int except) const {
    std::vector<std::pair<int, int>> bouts;
    Statement pairs = m_file.db().prepare(
        QStringLiteral("SELECT A.FencerNumber, B.FencerNumber FROM Schedule "
                       "JOIN Roster A ON A.Weapon = ? AND A.\"Group\" = Schedule.Group1 "
                       "JOIN Roster B ON B.Weapon = A.Weapon AND B.\"Group\" = Schedule.Group2 "
                       "WHERE Schedule.Round = ? AND (Schedule.Group1 <> Schedule.Group2 "
                       "OR A.Subgroup < B.Subgroup)"),
        {weapon, round});
    while (pairs.next()) {
        bouts.emplace_back(pairs.toInt(0), pairs.toInt(1));
    }
    ASSERT_TRUE(pairs.ok()) << pairs.errorString().toStdString();
    Transaction transaction(m_file.db());
    Statement insert = m_file.db().prepare(
        QStringLiteral("INSERT INTO Results (Weapon, FencerNumber, Opponent, Victory, Touches) "
                       "VALUES (?, ?, ?, ?, ?), (?, ?, ?, ?, ?)"));
    for (const auto& [a, b] : bouts) {
        if (a == except || b == except) {
            continue;
        }
        const bool aWins = m_outcome(a, b);
        const int loserTouches = (a + b) % 5;
        insert.reset();
        insert.bindAll({weapon, a, b, aWins, aWins ? 5 : loserTouches, weapon, b, a, !aWins,
                        aWins ? loserTouches : 5});
        ASSERT_TRUE(insert.run()) << insert.errorString().toStdString();
    }
    ASSERT_TRUE(transaction.commit().ok());
}

void FullEventResults::fenceAllRounds(int weapon) const {
    for (int round = 0; round < 7; ++round) {
        fenceRound(weapon, round);
    }
}
