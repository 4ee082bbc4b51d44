#include "cli/CliRunner.h"
#include "support/ChampionshipBuilder.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>

namespace {

class ResetCommandsTest : public ::testing::Test {
protected:
    ResetCommandsTest() {
        ChampionshipBuilder builder(file);
        builder.drawFullEvent(0);
        builder.addBout(0, 0, 1, 5, 2, true);
    }
    long long count(const char* table) const {
        return file.count(QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(table));
    }

    TempChampionship file;
};

TEST_F(ResetCommandsTest, ResultsOrRostersAreErasedAsNamed) {
    CliRun run = RunCli({"reset", "--db", file.path(), "--results"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(count("Results"), 0);
    EXPECT_EQ(count("Roster"), 24);
    run = RunCli({"reset", "--db", file.path(), "--rosters"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(count("Roster"), 0);
}

TEST_F(ResetCommandsTest, AResetNamingNothingErasesNothing) {
    const CliRun run = RunCli({"reset", "--db", file.path()});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains(QLatin1String("--results|--rosters")));
    EXPECT_EQ(count("Results"), 2);
}

}  // namespace
