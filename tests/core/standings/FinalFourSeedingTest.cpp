#include "FinalFourFixture.h"

#include "standings/FinalFourSeeding.h"
#include "standings/SeedingTable.h"

namespace {

class FinalFourSeedingTest : public FinalFourFixture {
protected:
    SeedingTable proposal() {
        SeedingTable table;
        const Status s = table.Load(file.db(), kEvent);
        EXPECT_TRUE(s.ok()) << s.message().toStdString();
        return table;
    }
    void save(const FinalFourSeeding::Seeds& seeds) {
        const Status s = FinalFourSeeding::Save(file.db(), kEvent, seeds);
        ASSERT_TRUE(s.ok()) << s.message().toStdString();
    }
};

TEST_F(FinalFourSeedingTest, TheProposedTopFourMeetFirstAgainstFourthAndThirdAgainstSecond) {
    const SeedingTable table = proposal();
    ASSERT_TRUE(table.Seeds().has_value());
    save(*table.Seeds());
    EXPECT_EQ(finalFourRows(), QStringList({"0 0 3 99", "1 2 1 99"}));
    EXPECT_EQ(advancedFencers(), "0,1,2,3");
    EXPECT_FALSE(table.at(6).has_value());
}

TEST_F(FinalFourSeedingTest, MovesSwapNeighboursAndStopAtTheEnds) {
    SeedingTable table = proposal();
    EXPECT_EQ(table.Move(4, -1), 3);
    EXPECT_EQ(table.at(3)->FencerNumber, 4);
    EXPECT_EQ(table.at(4)->FencerNumber, 3);
    EXPECT_EQ(table.Move(0, -1), 0);
    EXPECT_EQ(table.Move(SeedingTable::kRows - 1, 1), SeedingTable::kRows - 1);
    EXPECT_EQ(table.Seeds(), (FinalFourSeeding::Seeds{0, 1, 2, 4}));
}

TEST_F(FinalFourSeedingTest, AnEmptySeedPositionLeavesNothingToSave) {
    SeedingTable table = proposal();
    // Row 7 is the first without a fencer; moved up to row 4 it takes a seed.
    int row = 6;
    for (int step = 0; step < 3; ++step) {
        row = table.Move(row, -1);
    }
    EXPECT_EQ(row, 3);
    EXPECT_FALSE(table.at(3).has_value());
    EXPECT_EQ(table.at(6)->FencerNumber, 5);
    EXPECT_FALSE(table.Seeds().has_value());
}

TEST_F(FinalFourSeedingTest, SavingAgainDiscardsEveryFinalFourResult) {
    save({0, 1, 2, 3});
    file.exec(QStringLiteral("UPDATE FinalFour SET Winner = TopFencer, Score = '5-2'"));
    finalFour(kEvent, 10, 0, 2, 0, QStringLiteral("5-4"));
    finalFour(kEvent, 11, 3, 1);
    save({5, 4, 1, 0});
    EXPECT_EQ(finalFourRows(), QStringList({"0 5 0 99", "1 1 4 99"}));
    EXPECT_EQ(advancedFencers(), "0,1,4,5");
}

TEST_F(FinalFourSeedingTest, RefusedSeedsLeaveTheSeedingAsItWas) {
    save({0, 1, 2, 3});
    EXPECT_FALSE(FinalFourSeeding::Save(file.db(), kEvent, {0, 1, 2, 2}).ok());
    const Status unknown = FinalFourSeeding::Save(file.db(), kEvent, {0, 1, 2, 17});
    EXPECT_FALSE(unknown.ok());
    EXPECT_TRUE(unknown.message().contains(QStringLiteral("17")));
    EXPECT_EQ(finalFourRows(), QStringList({"0 0 3 99", "1 2 1 99"}));
    EXPECT_EQ(advancedFencers(), "0,1,2,3");
}

TEST_F(FinalFourSeedingTest, DeletingReturnsTheEventToUnseededAndLeavesOtherEvents) {
    fencers(0, 4);
    file.exec(QStringLiteral("UPDATE Roster SET Advanced = -1 WHERE Weapon = 0"));
    finalFour(0, 0, 0, 3);
    save({0, 1, 2, 3});
    ASSERT_TRUE(FinalFourSeeding::Delete(file.db(), kEvent).ok());
    EXPECT_TRUE(finalFourRows().isEmpty());
    EXPECT_EQ(advancedFencers(), "");
    EXPECT_EQ(file.count(QStringLiteral("SELECT Count(*) FROM FinalFour WHERE Weapon = 0")), 1);
    EXPECT_EQ(file.count(QStringLiteral("SELECT Count(*) FROM Roster WHERE Weapon = 0 AND "
                                        "Advanced = -1")),
              4);
}

}  // namespace
