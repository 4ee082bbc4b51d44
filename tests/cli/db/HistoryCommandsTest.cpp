#include "cli/CliRunner.h"
#include "support/ChampionshipBuilder.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>
#include <QRegularExpression>

namespace {

class HistoryCommandsTest : public ::testing::Test {
protected:
    HistoryCommandsTest() {
        ChampionshipBuilder(file).drawFullEvent(0);
        file.forgetSetupChanges();
    }

    CliRun run(QStringList words) const {
        words << QStringLiteral("--db") << file.path();
        return RunCli(words);
    }
    void bout(const char* score) const {
        const CliRun done = run({"bout", "--event", "MS", "--left", "4", "--right", "1", "--score",
                                 QString::fromLatin1(score)});
        ASSERT_EQ(done.exitCode, 0) << done.err.toStdString();
    }
    QStringList historyLines(const QStringList& options = {}) const {
        const CliRun history = run(QStringList{"history"} + options);
        EXPECT_EQ(history.exitCode, 0) << history.err.toStdString();
        return history.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    TempChampionship file;
};

TEST_F(HistoryCommandsTest, HistoryIsTsvNewestFirstWithWhoWhereRoundAndScores) {
    bout("5-3");
    bout("2v");
    const QStringList lines = historyLines();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], QStringLiteral("id\twhen\twho\twhere\twhat\tevent\tround\tbefore\tafter"));
    const QStringList newest = lines[1].split(QLatin1Char('\t'));
    ASSERT_EQ(newest.size(), 9);
    EXPECT_EQ(newest[0], QStringLiteral("2"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$"))
                    .match(newest[1])
                    .hasMatch())
        << newest[1].toStdString();
    EXPECT_TRUE(newest[2].contains(QLatin1Char('@')));
    EXPECT_EQ(newest[3], QStringLiteral("orle-cli bout"));
    EXPECT_EQ(newest[4], QStringLiteral("bout"));
    EXPECT_EQ(newest[5], QStringLiteral("MS"));
    EXPECT_EQ(newest[6], QStringLiteral("1"));
    // From the side of fencer 1, the lower number: lost 3-5, then won at 2-2.
    EXPECT_EQ(newest[7], QStringLiteral("3-5"));
    EXPECT_EQ(newest[8], QStringLiteral("V-2"));
    EXPECT_TRUE(lines[2].endsWith(QStringLiteral("\t\t3-5")));

    EXPECT_EQ(historyLines({"--event", "MS", "--fencer", "4"}).size(), 3);
    EXPECT_EQ(historyLines({"--event", "MS", "--fencer", "9"}).size(), 1);
    EXPECT_EQ(historyLines({"--event", "WE"}).size(), 1);
}

TEST_F(HistoryCommandsTest, RevertPutsABoutBackAndRefusesWhatIsNotABout) {
    bout("5-3");
    bout("2v");
    const CliRun reverted = run({"revert", "--change", "2"});
    ASSERT_EQ(reverted.exitCode, 0) << reverted.err.toStdString();
    EXPECT_TRUE(reverted.out.contains(QStringLiteral("3-5"))) << reverted.out.toStdString();
    const QStringList revert = historyLines()[1].split(QLatin1Char('\t'));
    EXPECT_EQ(revert[4], QStringLiteral("revert"));
    EXPECT_EQ(revert[7], QStringLiteral("V-2"));
    EXPECT_EQ(revert[8], QStringLiteral("3-5"));

    ASSERT_EQ(run({"draw", "--event", "MS", "--seed", "3", "--force"}).exitCode, 0);
    const CliRun notABout = run({"revert", "--change", QString::number(historyLines().size() - 1)});
    EXPECT_EQ(notABout.exitCode, 1);
    EXPECT_TRUE(notABout.err.contains(QStringLiteral("not a bout"))) << notABout.err.toStdString();
    EXPECT_EQ(run({"revert", "--change", "999"}).exitCode, 1);
}

TEST_F(HistoryCommandsTest, CommandLinesItCannotFollowExitTwo) {
    EXPECT_EQ(run({"history", "--fencer", "3"}).exitCode, 2);
    EXPECT_EQ(run({"history", "--event", "XX"}).exitCode, 2);
    EXPECT_EQ(run({"revert"}).exitCode, 2);
    EXPECT_EQ(run({"revert", "--change", "first"}).exitCode, 2);
}

}  // namespace
