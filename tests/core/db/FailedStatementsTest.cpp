#include "db/Database.h"
#include "entry/BoutResults.h"
#include "entry/MissingResults.h"
#include "entry/StripLineup.h"
#include "roster/RosterStore.h"

#include "support/ChampionshipBuilder.h"
#include "support/FileOnly.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>

namespace {

// A statement that failed must stay a failure through every later use, and a read that
// failed must never pass for one that found no rows.
class FailedStatementsTest : public ::testing::Test {
protected:
    FailedStatementsTest() { ChampionshipBuilder(file).drawFullEvent(2); }

    TempChampionship file;
};

TEST_F(FailedStatementsTest, AStatementThatNeverCompiledStaysFailedAfterReset) {
    ORLE_ONLY_WITH_A_FILE("a statement the file compiles before it runs");
    Statement insert = file.db().prepare(QStringLiteral("INSERT INTO Missing (x) VALUES (?)"));
    EXPECT_FALSE(insert.ok());
    insert.reset();
    insert.bindAll({1});
    EXPECT_FALSE(insert.run());
    EXPECT_FALSE(insert.status());
}

TEST_F(FailedStatementsTest, SavingBoutsWithoutAResultsTableIsAFailureAndNamesTheTable) {
    file.exec(QStringLiteral("DROP VIEW vTeamPointsCT"));
    file.exec(QStringLiteral("DROP VIEW vTeamPoints"));
    file.exec(QStringLiteral("DROP TABLE Results"));
    const Status saved = BoutResults::Write(file.db(), 2, {{0, 1, BoutScore{5, 3, true}}});
    ASSERT_FALSE(saved);
    EXPECT_TRUE(saved.message().contains(QStringLiteral("table Results"), Qt::CaseInsensitive))
        << saved.message().toStdString();
    EXPECT_TRUE(saved.message().contains(
        TempChampionship::OnServer() ? file.path() : QStringLiteral("ORLE2004.mdb")));
    EXPECT_FALSE(saved.message().contains(QStringLiteral("no such table")));
    EXPECT_FALSE(saved.message().contains(QStringLiteral("does not exist")));
}

TEST_F(FailedStatementsTest, ReadsOfAnIncompleteFileAreFailuresNotEmptyResults) {
    ORLE_ONLY_WITH_A_FILE("tables dropped from under the stored queries");
    file.exec(QStringLiteral("DROP TABLE Schedule"));
    EXPECT_FALSE(StripLineup::LoadPool(file.db(), 2, 0));
    EXPECT_FALSE(MissingResults::ForEvent(file.db(), 2, 6, 3));
    file.exec(QStringLiteral("PRAGMA foreign_keys=OFF"));
    file.exec(QStringLiteral("DROP TABLE FencerNumbers"));
    EXPECT_FALSE(RosterStore(file.db()).load(2));
}

TEST_F(FailedStatementsTest, AFileLockedByAnotherProgramIsReportedAsLockedNotAsEmpty) {
    ORLE_ONLY_WITH_A_FILE("a lock on the whole file");
    QString error;
    const auto other = Database::open(file.path(), Database::Mode::ExistingFile, &error);
    ASSERT_TRUE(other) << error.toStdString();
    ASSERT_TRUE(other->execScript(QStringLiteral("BEGIN EXCLUSIVE")));
    const Result<StripLineup> lineup = StripLineup::LoadPool(file.db(), 2, 0);
    ASSERT_FALSE(lineup);
    EXPECT_TRUE(lineup.status().message().contains(QStringLiteral("locked by another program")))
        << lineup.status().message().toStdString();
    ASSERT_TRUE(other->execScript(QStringLiteral("ROLLBACK")));
    const Result<StripLineup> unlocked = StripLineup::LoadPool(file.db(), 2, 0);
    ASSERT_TRUE(unlocked);
    EXPECT_TRUE(unlocked->places[0].present());
}

}  // namespace
