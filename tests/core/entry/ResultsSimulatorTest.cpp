#include "entry/ResultsSimulator.h"

#include "entry/ScheduledBouts.h"
#include "support/ChampionshipBuilder.h"
#include "support/FileOnly.h"
#include "support/ReadValue.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

TEST(ScheduledBoutsTest, EveryDrawnFencerMeetsEveryOtherOnce) {
    TempChampionship file;
    ChampionshipBuilder(file).drawFullEvent(0);
    const std::vector<ScheduledBout> bouts = Value(ScheduledBouts::ForEvent(file.db(), 0));
    EXPECT_EQ(bouts.size(), 276u);
    std::map<int, int> perFencer;
    std::set<std::pair<int, int>> pairs;
    for (const ScheduledBout& b : bouts) {
        ++perFencer[b.left];
        ++perFencer[b.right];
        pairs.insert({std::min(b.left, b.right), std::max(b.left, b.right)});
    }
    EXPECT_EQ(pairs.size(), 276u);
    for (const auto& [fencer, count] : perFencer) {
        EXPECT_EQ(count, 23) << fencer;
    }
    const auto groupMates = Value(ScheduledBouts::Between(file.db(), 0, 4, 3));
    ASSERT_TRUE(groupMates.has_value());
    EXPECT_EQ(groupMates->round, 0);
    EXPECT_EQ(groupMates->left, 3);
    const auto dual = Value(ScheduledBouts::Between(file.db(), 0, 14, 2));
    ASSERT_TRUE(dual.has_value());
    EXPECT_EQ(dual->round, 1);
    EXPECT_EQ(dual->left, 2);
}

TEST(ResultsSimulatorTest, FillsValidPairsAndLeavesExcludedFencersAlone) {
    TempChampionship file;
    ChampionshipBuilder builder(file);
    builder.drawFullEvent(0);
    builder.drawFullEvent(3);
    file.exec(
        QStringLiteral("UPDATE Roster SET Excluded = -1 WHERE Weapon = 3 AND FencerNumber = 7"));
    const ResultsSimulator::Filled filled =
        ResultsSimulator::Fill(file.db(), {0, 3}, {0, 1, 2, 3, 4, 5, 6}, 42);
    ASSERT_TRUE(filled.status.ok()) << filled.status.message().toStdString();
    EXPECT_EQ(filled.bouts, 276 + 276 - 23);
    EXPECT_EQ(file.count(QStringLiteral("SELECT COUNT(*) FROM Results")), 2 * filled.bouts);
    EXPECT_EQ(file.count(QStringLiteral("SELECT COUNT(*) FROM Results WHERE Weapon = 3 AND "
                                        "(FencerNumber = 7 OR Opponent = 7)")),
              0);
    // Exactly one winner per bout, touches 0..5, and a win never with fewer touches.
    EXPECT_EQ(
        file.count(QStringLiteral(
            "SELECT COUNT(*) FROM Results AS A INNER JOIN Results AS B ON A.Weapon = B.Weapon "
            "AND A.FencerNumber = B.Opponent AND A.Opponent = B.FencerNumber "
            "WHERE A.Victory = B.Victory OR A.Touches > 5 "
            "OR (A.Victory <> 0 AND A.Touches < B.Touches)")),
        0);
    ResultsSimulator::Fill(file.db(), {0}, {1}, 7);
    EXPECT_EQ(file.count(QStringLiteral("SELECT COUNT(*) FROM Results")), 2 * filled.bouts);
}

TEST(ResultsSimulatorTest, AFailureInALaterEventLeavesEveryEventAsItWas) {
    ORLE_ONLY_WITH_A_FILE("the failure is a trigger in the file's words");
    TempChampionship file;
    ChampionshipBuilder builder(file);
    builder.drawFullEvent(0);
    builder.drawFullEvent(3);
    // The file refuses women's saber bouts, as a full disk would refuse the second event.
    file.exec(
        QStringLiteral("CREATE TRIGGER RefuseWomensSaber BEFORE INSERT ON Results "
                       "WHEN NEW.Weapon = 3 BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
    const ResultsSimulator::Filled filled = ResultsSimulator::Fill(file.db(), {0, 3}, {0, 1}, 42);
    EXPECT_FALSE(filled.status.ok());
    EXPECT_EQ(filled.bouts, 0);
    EXPECT_EQ(file.count(QStringLiteral("SELECT COUNT(*) FROM Results")), 0);
}

}  // namespace
