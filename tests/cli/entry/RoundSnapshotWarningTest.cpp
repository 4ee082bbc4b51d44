#include "cli/CliRunner.h"
#include "db/Snapshots.h"
#include "support/ChampionshipBuilder.h"
#include "support/FileBytes.h"
#include "support/FullEventResults.h"
#include "support/ReadValue.h"
#include "support/SnapshotReasons.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>

namespace {

// Event 1 (MF) fully drawn; round 2 fenced but for the bout of fencers 2 and 14.
class RoundSnapshotWarningTest : public ::testing::Test {
protected:
    RoundSnapshotWarningTest() {
        ChampionshipBuilder(file).drawFullEvent(1);
        FullEventResults(file).fenceRound(1, 1);
        file.exec(
            QStringLiteral("DELETE FROM Results WHERE Weapon = 1 AND "
                           "FencerNumber IN (2, 14) AND Opponent IN (2, 14)"));
    }
    CliRun bout(const QString& score) const {
        return RunCli({"bout", "--db", file.path(), "--event", "MF", "--left", "2", "--right", "14",
                       "--score", score});
    }
    QStringList reasons() const { return SnapshotReasons(file.path()); }

    TempChampionship file;
};

TEST_F(RoundSnapshotWarningTest, TheBoutThatCompletesARoundKeepsOneSnapshot) {
    CliRun run = bout(QStringLiteral("5-3"));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty());
    run = bout(QStringLiteral("5-4"));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(reasons(), QStringList({"round_mf_2"}));

    run = RunCli(
        {"simulate", "--db", file.path(), "--events", "MS,MF", "--rounds", "1", "--seed", "7"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(reasons(), QStringList({"round_mf_1", "round_mf_2"}))
        << "an event without drawn fencers has no round to complete";
}

TEST_F(RoundSnapshotWarningTest, ASnapshotThatCannotBeMadeWarnsAndTheBoutStays) {
    WriteBytes(Snapshots::FolderFor(file.path()), QByteArray("in the way"));
    const CliRun run = bout(QStringLiteral("5-3"));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.err.startsWith(QLatin1String("orle-cli: warning: the results are saved")))
        << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QLatin1String("is a file, not a folder")));
    EXPECT_EQ(file.count(QStringLiteral("SELECT COUNT(*) FROM Results WHERE Weapon = 1 AND "
                                        "FencerNumber = 2 AND Opponent = 14")),
              1);
}

}  // namespace
