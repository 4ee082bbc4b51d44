#include "entry/RoundSnapshots.h"

#include "db/Snapshots.h"
#include "support/ChampionshipBuilder.h"
#include "support/FileBytes.h"
#include "support/FileOnly.h"
#include "support/FullEventResults.h"
#include "support/ReadValue.h"
#include "support/SnapshotReasons.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>
#include <QFileInfo>

namespace {

// Men's saber (event 0, MS) fully drawn.
class RoundSnapshotsTest : public ::testing::Test {
protected:
    RoundSnapshotsTest() { ChampionshipBuilder(file).drawFullEvent(0); }

    QStringList take(const QList<int>& rounds) const {
        return Value(RoundSnapshots::Take(file.db(), 0, rounds));
    }
    QStringList reasons() const { return SnapshotReasons(file.path()); }

    TempChampionship file;
    FullEventResults results{file};
};

TEST(RoundSnapshotsReasonTest, NamesTheEventAndTheRoundAsPeopleCountThem) {
    EXPECT_EQ(RoundSnapshots::Reason(QStringLiteral("MS"), 2), QStringLiteral("round_ms_3"));
    EXPECT_EQ(RoundSnapshots::Reason(QStringLiteral("W.E"), 0), QStringLiteral("round_we_1"));
    EXPECT_TRUE(Snapshots::IsAutomatic(RoundSnapshots::Reason(QStringLiteral("MS"), 2)));
}

TEST_F(RoundSnapshotsTest, CompletingRoundOneKeepsOneSnapshotAndSavingAgainNoMore) {
    results.fenceRound(0, 0);
    const QStringList taken = take({0});
    ASSERT_EQ(taken.size(), 1);
    EXPECT_TRUE(QFileInfo(taken.first()).fileName().endsWith(QLatin1String("-round_ms_1.mdb")));
    EXPECT_TRUE(take({0}).isEmpty());
    EXPECT_EQ(reasons(), QStringList({"round_ms_1"}));
}

TEST_F(RoundSnapshotsTest, AnIncompleteRoundOrAnotherRoundSavedKeepsNone) {
    results.fenceRound(0, 1, 12);
    EXPECT_FALSE(Value(RoundSnapshots::IsComplete(file.db(), 0, 1)));
    EXPECT_TRUE(take({1}).isEmpty());
    results.fenceRound(0, 0);
    EXPECT_TRUE(take({1}).isEmpty()) << "only the rounds the save touched are looked at";
    EXPECT_TRUE(take({}).isEmpty());
    EXPECT_TRUE(reasons().isEmpty());
}

TEST_F(RoundSnapshotsTest, AnExcludedFencersBoutsAreNotWaitedFor) {
    file.exec(
        QStringLiteral("UPDATE Roster SET Excluded = -1 WHERE Weapon = 0 AND "
                       "FencerNumber = 12"));
    results.fenceRound(0, 1, 12);
    EXPECT_TRUE(Value(RoundSnapshots::IsComplete(file.db(), 0, 1)));
    EXPECT_EQ(take({1}).size(), 1);
}

TEST_F(RoundSnapshotsTest, AfterAResetOrARestoreTheRoundIsKeptAgain) {
    results.fenceRound(0, 0);
    ASSERT_EQ(take({0}).size(), 1);
    ASSERT_TRUE(Snapshots::Take(file.db(), QStringLiteral("reset")).ok());
    EXPECT_EQ(take({0}).size(), 1);
    EXPECT_TRUE(take({0}).isEmpty());
    ASSERT_TRUE(Snapshots::Take(file.db(), QStringLiteral("restore")).ok());
    EXPECT_EQ(take({0}).size(), 1);
    EXPECT_EQ(reasons().count(QStringLiteral("round_ms_1")), 3);
}

TEST_F(RoundSnapshotsTest, ASnapshotThatCannotBeMadeIsAFailureWithTheReason) {
    ORLE_ONLY_WITH_A_FILE("a Backups folder beside it");
    results.fenceRound(0, 0);
    WriteBytes(Snapshots::FolderFor(file.path()), QByteArray("in the way"));
    const Result<QStringList> taken = RoundSnapshots::Take(file.db(), 0, {0});
    ASSERT_FALSE(taken.ok());
    EXPECT_TRUE(taken.status().message().contains(QLatin1String("is a file, not a folder")));
}

}  // namespace
