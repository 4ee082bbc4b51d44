#include "entry/BoutResults.h"

#include "support/ChampionshipBuilder.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>

namespace {

class BoutResultsTest : public ::testing::Test {
protected:
    BoutResultsTest() { ChampionshipBuilder(file).drawFullEvent(1); }

    long long rows() const { return file.count(QStringLiteral("SELECT COUNT(*) FROM Results")); }

    TempChampionship file;
};

TEST_F(BoutResultsTest, WritesBothViewsAndReadsThemFromEitherSide) {
    ASSERT_TRUE(BoutResults::Write(file.db(), 1, {{4, 9, BoutScore{3, 3, false}}}).ok());
    EXPECT_EQ(rows(), 2);
    EXPECT_EQ(file.count(QStringLiteral("SELECT Victory FROM Results WHERE FencerNumber = 9")), -1);
    EXPECT_EQ(file.count(QStringLiteral("SELECT Touches FROM Results WHERE FencerNumber = 4")), 3);
    EXPECT_EQ(BoutResults::Read(file.db(), 1, 4, 9), (BoutScore{3, 3, false}));
    EXPECT_EQ(BoutResults::Read(file.db(), 1, 9, 4), (BoutScore{3, 3, true}));
    EXPECT_EQ(BoutResults::Read(file.db(), 0, 4, 9), std::nullopt);
}

TEST_F(BoutResultsTest, RewritingReplacesAndClearingDeletesBothViews) {
    ChampionshipBuilder(file).addBout(1, 2, 5, 1, 5, false);
    ASSERT_TRUE(BoutResults::Write(file.db(), 1, {{5, 2, BoutScore{4, 5, false}}}).ok());
    EXPECT_EQ(rows(), 2);
    EXPECT_EQ(BoutResults::Read(file.db(), 1, 2, 5), (BoutScore{5, 4, true}));
    ASSERT_TRUE(BoutResults::Write(file.db(), 1, {{2, 5, std::nullopt}}).ok());
    EXPECT_EQ(rows(), 0);
}

TEST_F(BoutResultsTest, BrokenPairsReadAsNoResultAndAreRepairedByTheNextWrite) {
    ChampionshipBuilder(file).addBout(1, 0, 1, 5, 3, true);
    file.exec(QStringLiteral("UPDATE Results SET Victory = -1 WHERE FencerNumber = 1"));
    file.exec(QStringLiteral(
        "INSERT INTO Results (Weapon, FencerNumber, Opponent, Victory, Touches) VALUES "
        "(1, 6, 7, -1, 5)"));
    EXPECT_EQ(BoutResults::Read(file.db(), 1, 0, 1), std::nullopt);
    EXPECT_EQ(BoutResults::Read(file.db(), 1, 6, 7), std::nullopt);
    ASSERT_TRUE(
        BoutResults::Write(file.db(), 1, {{0, 1, BoutScore{5, 3, true}}, {7, 6, std::nullopt}})
            .ok());
    EXPECT_EQ(rows(), 2);
    EXPECT_EQ(BoutResults::Read(file.db(), 1, 1, 0), (BoutScore{3, 5, false}));
}

TEST_F(BoutResultsTest, AFailedWriteLeavesEveryBoutAsItWas) {
    ChampionshipBuilder(file).addBout(1, 0, 1, 5, 3, true);
    // Fencer 30 does not exist: the second bout fails, so the first must not be cleared.
    const Status s =
        BoutResults::Write(file.db(), 1, {{0, 1, std::nullopt}, {2, 30, BoutScore{5, 0, true}}});
    EXPECT_FALSE(s.ok());
    EXPECT_FALSE(s.message().isEmpty());
    EXPECT_EQ(BoutResults::Read(file.db(), 1, 0, 1), (BoutScore{5, 3, true}));
    EXPECT_EQ(rows(), 2);
}

TEST_F(BoutResultsTest, ChangesAreWrittenOnlyWhereTheFileStillHoldsWhatWasLoaded) {
    // Loaded: 0-1 and 2-3 not fenced, 4-5 won 5-1 by 4. Since then another writer recorded
    // 0-1 and changed 4-5.
    ChampionshipBuilder(file).addBout(1, 4, 5, 5, 1, true);
    ChampionshipBuilder(file).addBout(1, 0, 1, 2, 5, false);
    file.exec(QStringLiteral("UPDATE Results SET Touches = 4 WHERE FencerNumber = 5"));
    std::vector<BoutConflict> conflicts;
    ASSERT_TRUE(BoutResults::WriteChanges(file.db(), 1,
                                          {{0, 1, std::nullopt, BoutScore{5, 3, true}},
                                           {2, 3, std::nullopt, BoutScore{1, 5, false}},
                                           {5, 4, BoutScore{1, 5, false}, std::nullopt}},
                                          conflicts)
                    .ok());
    EXPECT_EQ(BoutResults::Read(file.db(), 1, 0, 1), (BoutScore{2, 5, false}));
    EXPECT_EQ(BoutResults::Read(file.db(), 1, 2, 3), (BoutScore{1, 5, false}));
    EXPECT_EQ(BoutResults::Read(file.db(), 1, 4, 5), (BoutScore{5, 4, true}));
    ASSERT_EQ(conflicts.size(), 2u);
    EXPECT_EQ(conflicts[0].typedAndStored(), QStringLiteral("typed \"5-3\", stored \"2-5\""));
    EXPECT_EQ(conflicts[1].stored, (BoutScore{4, 5, false}));
    EXPECT_EQ(conflicts[1].typedAndStored(), QStringLiteral("typed \"no result\", stored \"4-5\""));

    // A result typed the same by both writers needs no writing and is no clash.
    ASSERT_TRUE(BoutResults::WriteChanges(file.db(), 1,
                                          {{1, 0, std::nullopt, BoutScore{5, 2, true}}}, conflicts)
                    .ok());
    EXPECT_TRUE(conflicts.empty());
}

}  // namespace
