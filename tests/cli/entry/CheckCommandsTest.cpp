#include "cli/CliRunner.h"
#include "support/ChampionshipBuilder.h"
#include "support/FullEventResults.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>

namespace {

// Event 1 (MF) fully drawn; round 2, strip set 0 is group A (0..2) against group E (12..14).
class CheckCommandsTest : public ::testing::Test {
protected:
    CheckCommandsTest() { ChampionshipBuilder(file).drawFullEvent(1); }

    QString stripName(int weapon, int stripSet) const {
        return file.text(QStringLiteral("SELECT StripName FROM StripNumbers WHERE Weapon = ? AND "
                                        "StripSet = ?"),
                         {weapon, stripSet});
    }

    TempChampionship file;
};

TEST_F(CheckCommandsTest, MissingListsEveryStripOfEveryRoundWithItsState) {
    FullEventResults(file).fenceRound(1, 0);
    ChampionshipBuilder builder(file);
    builder.addBout(1, 0, 12, 5, 1, true);
    builder.addBout(1, 1, 13, 5, 1, true);

    CliRun run = RunCli({"missing", "--db", file.path(), "--event", "MF"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1 + 7 * 4);
    EXPECT_EQ(lines[0], QStringLiteral("event\tround\tstrip\tstate\tmissing"));
    EXPECT_EQ(lines[1], QStringLiteral("MF\t1\t%1\tcomplete\t0").arg(stripName(1, 0)));
    EXPECT_EQ(lines[5], QStringLiteral("MF\t2\t%1\tpartial\t7").arg(stripName(1, 0)));
    EXPECT_EQ(lines[6], QStringLiteral("MF\t2\t%1\tmissing\t9").arg(stripName(1, 1)));
    EXPECT_EQ(lines[28], QStringLiteral("MF\t7\t%1\tmissing\t9").arg(stripName(1, 3)));

    run = RunCli({"missing", "--db", file.path()});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1 + 6 * 7 * 4);
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("MS\t1\t")));
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral("\tmissing\t0")));  // nobody drawn yet

    run = RunCli({"missing", "--db", file.path(), "--event", "XY"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.out.isEmpty());
}

TEST_F(CheckCommandsTest, ConfirmListsTheFencersBoutsWithTotals) {
    ChampionshipBuilder builder(file);
    builder.addBout(1, 0, 12, 5, 1, true);
    builder.addBout(1, 12, 3, 3, 3, false);  // 3 wins at equal touches
    const CliRun run = RunCli({"confirm", "--db", file.path(), "--event", "1", "--fencer", "12"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1 + 23 + 1);
    EXPECT_EQ(lines[0],
              QStringLiteral("round\topponent\tname\tschool\tresult\tscored\treceived\tindicator"));
    // Round one: group-mates 13 and 14, then group F (15..17); round two: group A.
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("1\t13\tFirst13 Last13\t")));
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral("\t\t\t\t")));
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("1\t15\t")));
    EXPECT_TRUE(lines[6].startsWith(QStringLiteral("2\t0\t")));
    EXPECT_TRUE(lines[6].endsWith(QStringLiteral("\tL\t1\t5\t")));
    EXPECT_EQ(lines.last(), QStringLiteral("total\t\t\t\t0-2\t4\t8\t-4"));
    int recorded = 0;
    for (const QString& line : lines) {
        EXPECT_EQ(line.count(QLatin1Char('\t')), 7) << line.toStdString();
        recorded += line.contains(QStringLiteral("\tL\t")) ? 1 : 0;
    }
    EXPECT_EQ(recorded, 2);
}

TEST_F(CheckCommandsTest, ConfirmRefusesAFencerNotOnTheRoster) {
    CliRun run = RunCli({"confirm", "--db", file.path(), "--event", "1", "--fencer", "30"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("not on the roster")));
    run = RunCli({"confirm", "--db", file.path(), "--event", "1"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral("--fencer")));
    run = RunCli({"confirm", "--db", file.path(), "--fencer", "1"});
    EXPECT_EQ(run.exitCode, 2);
}

}  // namespace
