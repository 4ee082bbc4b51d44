#include "StandingsFixture.h"

#include "standings/ComputeRoundStatus.h"
#include "support/FullEventResults.h"

namespace {

class ComputeRoundStatusTest : public StandingsFixture {
protected:
    void SetUp() override { builder.drawFullEvent(0); }
    QString status() {
        QString text;
        EXPECT_TRUE(ComputeRoundStatus(file.db(), 0, text).ok());
        return text;
    }
    void flag(const char* column, int fencer) {
        file.exec(QStringLiteral("UPDATE Roster SET %1 = -1 WHERE Weapon = 0 AND FencerNumber = ?")
                      .arg(QLatin1String(column)),
                  {fencer});
    }
    // Removes both rows of the bouts between `fencer` and `opponents`.
    void unfence(int fencer, std::initializer_list<int> opponents) {
        for (int opponent : opponents) {
            file.exec(QStringLiteral("DELETE FROM Results WHERE Weapon = 0 AND ((FencerNumber = ? "
                                     "AND Opponent = ?) OR (FencerNumber = ? AND Opponent = ?))"),
                      {fencer, opponent, opponent, fencer});
        }
    }

    FullEventResults rounds{file};
};

TEST_F(ComputeRoundStatusTest, WalksTheRoundsInOrder) {
    EXPECT_EQ(status(), "NO DATA AVAILABLE");
    rounds.fenceRound(0, 0, /*except=*/0);
    EXPECT_EQ(status(), "Standings During Round 1");
    file.exec(QStringLiteral("DELETE FROM Results"));
    rounds.fenceRound(0, 0);
    EXPECT_EQ(status(), "Standings After Round 1");
    rounds.fenceRound(0, 2);
    EXPECT_EQ(status(), "Standings After Round 1") << "round 2 is still empty";
    rounds.fenceRound(0, 1);
    EXPECT_EQ(status(), "Standings After Round 3");
    for (int round = 3; round < 7; ++round) {
        rounds.fenceRound(0, round);
    }
    EXPECT_EQ(status(), "Final Pool Standings");
}

TEST_F(ComputeRoundStatusTest, TwoInjuredFencersLowerThePoolThresholdByTen) {
    flag("Injury", 22);
    flag("Injury", 23);
    rounds.fenceRound(0, 0);
    unfence(0, {1, 2, 3, 4, 5});    // pool of groups A and B
    unfence(6, {7, 8, 9, 10, 11});  // pool of groups C and D
    EXPECT_EQ(status(), "Standings After Round 1") << "50 decided bouts + 10 allowed";
    unfence(12, {13});
    EXPECT_EQ(status(), "Standings During Round 1");
}

TEST_F(ComputeRoundStatusTest, TwoInjuredFencersLowerTheDualThresholdBySix) {
    flag("Injury", 22);
    flag("Injury", 23);
    rounds.fenceRound(0, 0);
    rounds.fenceRound(0, 1);
    unfence(0, {12, 13, 14});  // groups A and E
    unfence(3, {6, 7, 8});     // groups B and C
    EXPECT_EQ(status(), "Standings After Round 2") << "30 decided bouts + 6 allowed";
    unfence(15, {21});  // groups F and H
    EXPECT_EQ(status(), "Standings During Round 2");
}

TEST_F(ComputeRoundStatusTest, BoutsAgainstExcludedFencersDoNotCountButTheirRoundsComplete) {
    flag("Excluded", 0);
    flag("Excluded", 6);
    rounds.fenceAllRounds(0);
    EXPECT_EQ(status(), "Final Pool Standings");
    unfence(9, {10});
    EXPECT_EQ(status(), "Standings During Round 1");
}

TEST(FinalFourRoundStatusTest, SeedingReplacesThePoolProgress) {
    const QString pool = QStringLiteral("Final Pool Standings");
    EXPECT_EQ(FinalFourRoundStatus(pool, false, true), pool);
    EXPECT_EQ(FinalFourRoundStatus(pool, true, true), "Final Four In Progress");
    EXPECT_EQ(FinalFourRoundStatus(pool, true, false), "Final Standings");
}

}  // namespace
