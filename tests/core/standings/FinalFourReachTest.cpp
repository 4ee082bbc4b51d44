#include "standings/FinalFourReach.h"

#include "standings/BuildLiveStandings.h"
#include "support/ChampionshipBuilder.h"
#include "support/FullEventResults.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>

namespace {

class FinalFourReachTest : public ::testing::Test {
protected:
    FinalFourReachTest() { ChampionshipBuilder(file).drawFullEvent(0); }

    std::map<int, FinalFourReach> reach() {
        LiveStandings standings;
        EXPECT_TRUE(BuildLiveStandings(file.db(), 0, standings).ok());
        const Result<std::map<int, FinalFourReach>> built =
            BuildFinalFourReach(file.db(), 0, standings.Rows);
        EXPECT_TRUE(built.ok()) << built.status().message().toStdString();
        return built.ok() ? *built : std::map<int, FinalFourReach>();
    }

    TempChampionship file;
    FullEventResults results{file};
};

TEST_F(FinalFourReachTest, EveryoneCanReachItBeforeTheFirstBoutAndTheExcludedNever) {
    file.exec(
        QStringLiteral("UPDATE Roster SET Excluded = -1 WHERE Weapon = 0 AND FencerNumber = 5"));
    const auto fencers = reach();
    EXPECT_EQ(fencers.at(0).mostVictories, 22);  // 23 opponents, one of them excluded
    EXPECT_TRUE(fencers.at(0).canReach);
    EXPECT_FALSE(fencers.count(5) > 0 && fencers.at(5).canReach);
}

TEST_F(FinalFourReachTest, OnceAllIsFencedOnlyTheTopFourAndTheirTiesRemain) {
    // The lower number always wins: fencer n has 23 - n victories.
    results.fenceAllRounds(0);
    const auto fencers = reach();
    EXPECT_EQ(fencers.at(3).mostVictories, 20);
    EXPECT_TRUE(fencers.at(3).canReach);
    EXPECT_FALSE(fencers.at(4).canReach);
}

TEST_F(FinalFourReachTest, BoutsLeftKeepATrailingFencerInTheRace) {
    // Fencer 6 fences nothing: 23 bouts left, while the fourth best has 19 after six rounds.
    for (int round = 0; round < 6; ++round) {
        results.fenceRound(0, round, 6);
    }
    const auto fencers = reach();
    EXPECT_EQ(fencers.at(6).victories, 0);
    EXPECT_EQ(fencers.at(6).mostVictories, 23);
    EXPECT_TRUE(fencers.at(6).canReach);
    EXPECT_FALSE(fencers.at(23).canReach);
}

}  // namespace
