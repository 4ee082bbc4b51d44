#include "cli/CliRunner.h"
#include "db/Snapshots.h"
#include "support/ChampionshipBuilder.h"
#include "support/FileBytes.h"
#include "support/FullEventResults.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>

namespace {

// Men's saber fenced through, the lower fencer number always winning: the top four are
// fencers 0, 1, 2, 3. Women's saber has fencers but no results.
class FinalFourCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        builder.drawFullEvent(0);
        builder.drawFullEvent(3);
        FullEventResults(file).fenceAllRounds(0);
    }
    CliRun run(QStringList words) {
        words.insert(1, QStringLiteral("--db"));
        words.insert(2, file.path());
        return RunCli(words);
    }
    QStringList rows() const {
        QStringList out;
        Statement q = file.db().prepare(QStringLiteral(
            "SELECT Weapon, Bout, TopFencer, BottomFencer, Winner, Score FROM FinalFour "
            "ORDER BY Weapon, Bout"));
        while (q.next()) {
            out << QStringLiteral("%1 %2 %3 %4 %5 %6")
                       .arg(q.toInt(0))
                       .arg(q.toInt(1))
                       .arg(q.toInt(2))
                       .arg(q.toInt(3))
                       .arg(q.toInt(4))
                       .arg(q.toText(5))
                       .trimmed();
        }
        return out;
    }
    // A refused piece of work says why in one line; a wrong command line adds its usage.
    void expectRefused(const QStringList& words, const QString& reason, int exitCode = 1) {
        const QStringList before = rows();
        const CliRun refused = run(words);
        EXPECT_EQ(refused.exitCode, exitCode) << words.join(' ').toStdString();
        EXPECT_TRUE(refused.err.contains(reason)) << refused.err.toStdString();
        EXPECT_EQ(refused.err.count(QLatin1Char('\n')), exitCode) << refused.err.toStdString();
        EXPECT_EQ(rows(), before);
    }

    TempChampionship file;
    ChampionshipBuilder builder{file};
};

TEST_F(FinalFourCommandsTest, SeedTakesTheTopFourOrTheOrderGiven) {
    const CliRun seeded = run({"seed", "--event", "MS"});
    ASSERT_EQ(seeded.exitCode, 0) << seeded.err.toStdString();
    EXPECT_EQ(rows(), QStringList({"0 0 0 3 99", "0 1 2 1 99"}));
    EXPECT_TRUE(seeded.out.startsWith(QStringLiteral("Semifinal A: 1. First0 Last0 (")));

    ASSERT_EQ(run({"seed", "--event", "0", "--order", "5,0,7,1"}).exitCode, 0);
    EXPECT_EQ(rows(), QStringList({"0 0 5 1 99", "0 1 7 0 99"}));
    EXPECT_EQ(file.count(QStringLiteral("SELECT Count(*) FROM Roster WHERE Weapon = 0 AND "
                                        "Advanced = -1 AND FencerNumber IN (0, 1, 5, 7)")),
              4);
}

TEST_F(FinalFourCommandsTest, SeedRefusesWhatTheWindowCouldNotSave) {
    run({"seed", "--event", "0"});
    expectRefused({"seed", "--event", "WS"}, "fewer than four fencers");
    expectRefused({"seed", "--event", "0", "--order", "1,2,3"}, "four fencer numbers", 2);
    expectRefused({"seed", "--event", "0", "--order", "1,2,x,4"}, "four fencer numbers", 2);
    expectRefused({"seed", "--event", "0", "--order", "1,2,2,4"}, "four different fencers");
    expectRefused({"seed", "--event", "0", "--order", "1,2,3,40"}, "40");
}

TEST_F(FinalFourCommandsTest, FinalRecordsTheBracketBoutByBout) {
    run({"seed", "--event", "0"});
    ASSERT_EQ(
        run({"final", "--event", "0", "--bout", "0", "--winner", "3", "--score", "5-4"}).exitCode,
        0);
    ASSERT_EQ(
        run({"final", "--event", "0", "--bout", "1", "--winner", "1", "--score", "5-2"}).exitCode,
        0);
    const CliRun gold =
        run({"final", "--event", "0", "--bout", "10", "--winner", "1", "--score", "5'3"});
    ASSERT_EQ(gold.exitCode, 0) << gold.err.toStdString();
    EXPECT_TRUE(gold.out.contains(QStringLiteral("Gold Medal Bout: First3 Last3")));
    EXPECT_EQ(rows(),
              QStringList({"0 0 0 3 3 5-4", "0 1 2 1 1 5-2", "0 10 3 1 1 5'3", "0 11 0 2 99"}));
    // A new semifinal winner takes the gold medal away from the fencer who now lost.
    ASSERT_EQ(run({"final", "--event", "0", "--bout", "1", "--winner", "2"}).exitCode, 0);
    EXPECT_EQ(rows(),
              QStringList({"0 0 0 3 3 5-4", "0 1 2 1 2 5-2", "0 10 3 2 99", "0 11 0 1 99"}));
}

TEST_F(FinalFourCommandsTest, FinalRefusesBadInputAndWritesNothing) {
    expectRefused({"final", "--event", "0", "--bout", "0", "--winner", "0"}, "not been seeded");
    run({"seed", "--event", "0"});
    expectRefused({"final", "--event", "0", "--bout", "2", "--winner", "0"}, "--bout", 2);
    expectRefused({"final", "--event", "0", "--bout", "0"}, "--winner", 2);
    expectRefused({"final", "--event", "0", "--bout", "0", "--winner", "1"},
                  "does not fence in the Semifinal A");
    expectRefused({"final", "--event", "0", "--bout", "10", "--winner", "0"},
                  "both semifinals need a winner");
    expectRefused(
        {"final", "--event", "0", "--bout", "0", "--winner", "0", "--score", "15-14 in extra time"},
        "longer than 10");
}

TEST_F(FinalFourCommandsTest, SeedingAgainOverFencedBoutsNeedsForce) {
    run({"seed", "--event", "0"});
    ASSERT_EQ(run({"final", "--event", "0", "--bout", "0", "--winner", "3"}).exitCode, 0);
    expectRefused({"seed", "--event", "0", "--order", "5,0,7,1"}, "--force");
    const CliRun forced = run({"seed", "--event", "0", "--order", "5,0,7,1", "--force"});
    ASSERT_EQ(forced.exitCode, 0) << forced.err.toStdString();
    EXPECT_EQ(rows(), QStringList({"0 0 5 1 99", "0 1 7 0 99"}));
}

TEST_F(FinalFourCommandsTest, ReseedingOverFencedBoutsIsRefusedWithoutASnapshot) {
    run({"seed", "--event", "0"});
    ASSERT_EQ(run({"final", "--event", "0", "--bout", "0", "--winner", "3"}).exitCode, 0);
    WriteBytes(Snapshots::FolderFor(file.path()), QByteArray("in the way"));
    expectRefused({"seed", "--event", "0", "--order", "5,0,7,1", "--force"},
                  "is a file, not a folder");
}

}  // namespace
