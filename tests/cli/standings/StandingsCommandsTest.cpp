#include "cli/CliRunner.h"
#include "support/ChampionshipBuilder.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>

namespace {

class StandingsCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        builder.drawFullEvent(0);
        builder.drawFullEvent(3);
        builder.addBout(0, 0, 1, 5, 2, true);
        builder.addBout(0, 2, 1, 5, 5, true);
        builder.addBout(3, 4, 5, 5, 3, true);
    }
    QStringList lines(const CliRun& run) {
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        return run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    TempChampionship file;
    ChampionshipBuilder builder{file};
};

TEST_F(StandingsCommandsTest, StandingsWritesProgressHeaderAndRows) {
    EXPECT_EQ(lines(RunCli({"standings", "--db", file.path(), "--event", "MS"})),
              QStringList({"# Standings During Round 1",
                           "place\tname\tschool\tvb\tpct\tts\ttr\tind\tfencer",
                           "1\tFirst0 Last0\tAir Force\t1/1\t1.000\t5\t2\t+3\t0",
                           "2\tFirst2 Last2\tBoston College\t1/1\t1.000\t5\t5\t+0\t2",
                           "3\tFirst1 Last1\tBard College\t0/2\t0.000\t7\t10\t-3\t1"}));
}

TEST_F(StandingsCommandsTest, StandingsEndWithTheFinalFourSummary) {
    file.exec(
        QStringLiteral("UPDATE Roster SET Advanced = -1 WHERE Weapon = 0 AND FencerNumber < 4"));
    file.exec(
        QStringLiteral("INSERT INTO FinalFour VALUES (0, 0, 0, 3, 0, '5-1'), "
                       "(0, 1, 2, 1, 2, '5-3')"));
    const QStringList out = lines(RunCli({"standings", "--db", file.path(), "--event", "0"}));
    EXPECT_EQ(out.first(), "# Final Four In Progress");
    EXPECT_EQ(out.mid(2, 1),
              QStringList({"Final4\tFirst0 Last0\tAir Force\t1/1\t1.000\t5\t2\t+3\t0"}));
    EXPECT_EQ(out.mid(out.size() - 5),
              QStringList({"# Gold Medal:    def. , ", "# Bronze Medal:  def. , ", "# ",
                           "# Semifinals:   Last0 def. Last3, 5-1",
                           "#               Last2 def. Last1, 5-3"}));
}

TEST_F(StandingsCommandsTest, TeamsWritesEveryVariant) {
    const QString header = QStringLiteral("place\tschool\ttotal\tleft\tMS\tMF\tME\tWS\tWF\tWE");
    EXPECT_EQ(lines(RunCli({"teams", "--db", file.path()})),
              QStringList({header, "1T\tBoston College\t1\t45\t1\t\t\t\t\t",
                           "1T\tBrown University\t1\t45\t\t\t\t1\t\t",
                           "1T\tU.S. Air Force Academy\t1\t45\t1\t\t\t\t\t",
                           "4T\tBard College\t0\t44\t\t\t\t\t\t",
                           "4T\tCity College of N.Y.\t0\t45\t\t\t\t\t\t"}));
    EXPECT_EQ(lines(RunCli({"teams", "--db", file.path(), "--variant", "women"})),
              QStringList({header, "1\tBrown University\t1\t22\t\t\t\t1\t\t",
                           "2\tCity College of N.Y.\t0\t22\t\t\t\t\t\t"}));
}

TEST_F(StandingsCommandsTest, BadArgumentsFail) {
    EXPECT_NE(RunCli({"standings", "--db", file.path()}).exitCode, 0);
    EXPECT_NE(RunCli({"standings", "--db", file.path(), "--event", "9"}).exitCode, 0);
    const CliRun variant = RunCli({"teams", "--db", file.path(), "--variant", "mixed"});
    EXPECT_NE(variant.exitCode, 0);
    EXPECT_TRUE(variant.err.contains(QStringLiteral("unknown variant mixed")));
}

TEST_F(StandingsCommandsTest, TheTitleRaceListsEverySchoolInPlaceOrder) {
    const QStringList race =
        lines(RunCli({"teams", "--db", file.path(), "--race", "--variant", "men"}));
    ASSERT_EQ(race.size(), 25);
    EXPECT_EQ(race[0], "school\tpoints\tleft\tmax\tcontender");
    EXPECT_EQ(race[1], "Boston College\t1\t22\t23\tyes");
    EXPECT_EQ(race[2], "U.S. Air Force Academy\t1\t22\t23\tyes");
}

}  // namespace
