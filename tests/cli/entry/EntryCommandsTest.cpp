#include "cli/CliRunner.h"
#include "support/ChampionshipBuilder.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>

namespace {

// Event 1 (MF) fully drawn; round 2, strip set 0 is group A (0..2) against group E (12..14).
class EntryCommandsTest : public ::testing::Test {
protected:
    EntryCommandsTest() { ChampionshipBuilder(file).drawFullEvent(1); }

    CliRun bout(const QString& left, const QString& right, const QString& score) {
        return RunCli({"bout", "--db", file.path(), "--event", "MF", "--left", left, "--right",
                       right, "--score", score});
    }
    long long rows() const { return file.count(QStringLiteral("SELECT COUNT(*) FROM Results")); }

    TempChampionship file;
};

TEST_F(EntryCommandsTest, BoutRecordsReplacesAndClearsAScheduledBout) {
    CliRun run = bout("14", "2", " v 4 ");
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("recorded round 2: 14 vs 2 4-4, winner 14\n"));
    run = bout("2", "14", "5-3");
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(rows(), 2);
    const CliRun list = RunCli({"bouts", "--db", file.path(), "--event", "1"});
    EXPECT_EQ(list.out, QStringLiteral("round\tleft\tright\tleft_touches\tright_touches\twinner\n"
                                       "2\t2\t14\t5\t3\t2\n"));
    run = bout("14", "2", "");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, QStringLiteral("cleared round 2: 14 vs 2\n"));
    EXPECT_EQ(rows(), 0);
}

TEST_F(EntryCommandsTest, BoutRefusesWhatTheWindowsWouldRefuseAndWritesNothing) {
    file.exec(QStringLiteral("UPDATE Roster SET Excluded = -1 WHERE FencerNumber = 13"));
    // Every drawn fencer meets every other; an undrawn one meets nobody yet.
    file.exec(
        QStringLiteral("UPDATE Roster SET \"Group\" = 99, Subgroup = 99 WHERE FencerNumber = 20"));
    const struct {
        const char* left;
        const char* right;
        const char* score;
        const char* complaint;
        int exitCode = 1;
    } cases[] = {
        {"2", "14", "55", "invalid score", 2},    {"2", "14", "6-1", "invalid score", 2},
        {"2", "14", "5-3-1", "invalid score", 2}, {"2", "30", "5-3", "not on the roster"},
        {"2", "20", "5-3", "not scheduled"},      {"2", "2", "5-3", "not scheduled"},
        {"2", "13", "5-3", "excluded"},           {"x", "13", "5-3", "fencer number", 2},
    };
    for (const auto& c : cases) {
        const CliRun run =
            bout(QLatin1String(c.left), QLatin1String(c.right), QLatin1String(c.score));
        EXPECT_EQ(run.exitCode, c.exitCode) << c.left << " " << c.right << " " << c.score;
        EXPECT_TRUE(run.err.contains(QLatin1String(c.complaint))) << run.err.toStdString();
    }
    EXPECT_EQ(rows(), 0);
}

TEST_F(EntryCommandsTest, GroupMatesMeetInTheRoundOnePool) {
    ASSERT_EQ(bout("1", "0", "2-5").exitCode, 0);
    const CliRun list = RunCli({"bouts", "--db", file.path(), "--event", "1", "--round", "1"});
    EXPECT_EQ(list.out.split('\n').at(1), QStringLiteral("1\t0\t1\t5\t2\t0"));
    EXPECT_EQ(
        RunCli({"bouts", "--db", file.path(), "--event", "1", "--round", "2"}).out.count('\n'), 1);
    EXPECT_EQ(RunCli({"bouts", "--db", file.path(), "--event", "1", "--round", "8"}).exitCode, 2);
}

TEST_F(EntryCommandsTest, SimulateFillsTheChosenRoundsReproducibly) {
    ChampionshipBuilder(file).drawFullEvent(4);
    file.exec(
        QStringLiteral("UPDATE Roster SET Excluded = -1 WHERE Weapon = 4 AND FencerNumber = 0"));
    CliRun run = RunCli(
        {"simulate", "--db", file.path(), "--seed", "9", "--events", "MF,WF", "--rounds", "1,2-3"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    // Per event: a pool round of 60 bouts and two dual rounds of 36; fencer 0 misses 5 + 3 + 3.
    EXPECT_TRUE(run.out.contains(QStringLiteral("bouts: %1\n").arg(2 * 132 - 11)));
    const QString first = RunCli({"bouts", "--db", file.path(), "--event", "WF"}).out;
    RunCli(
        {"simulate", "--db", file.path(), "--seed", "9", "--events", "MF,WF", "--rounds", "1-3"});
    EXPECT_EQ(RunCli({"bouts", "--db", file.path(), "--event", "WF"}).out, first);
    EXPECT_EQ(first.count('\n'), 1 + 132 - 11);
    EXPECT_EQ(RunCli({"simulate", "--db", file.path(), "--rounds", "0-7"}).exitCode, 2);
    EXPECT_EQ(RunCli({"simulate", "--db", file.path(), "--events", "XY"}).exitCode, 2);
}

}  // namespace
