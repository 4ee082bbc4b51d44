#include "db/ChangeLog.h"
#include "db/DataReset.h"
#include "db/Snapshots.h"
#include "db/StationFolder.h"
#include "db/Transaction.h"
#include "entry/BoutResults.h"
#include "support/ChampionshipBuilder.h"
#include "support/FileOnly.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>
#include <QDateTime>
#include <cstdlib>

namespace {

constexpr int kEvent = 0;

class ChangeLogTest : public ::testing::Test {
protected:
    ChangeLogTest() {
        ChampionshipBuilder(file).drawFullEvent(kEvent);
        file.forgetSetupChanges();
    }

    void save(int a, int b, std::optional<BoutScore> score) const {
        const Status saved = BoutResults::Write(file.db(), kEvent, {{a, b, score}});
        ASSERT_TRUE(saved.ok()) << saved.message().toStdString();
    }
    // Runs statements as one save of this program.
    void saveSql(const QStringList& statements) const {
        Transaction transaction(file.db());
        ASSERT_TRUE(transaction.begun().ok()) << transaction.begun().message().toStdString();
        for (const QString& sql : statements) {
            file.exec(sql);
        }
        ASSERT_TRUE(transaction.commit().ok());
    }
    std::vector<ChangeLog::Change> changes(const ChangeLog::Filter& filter = {}) const {
        const Result<std::vector<ChangeLog::Change>> read = ChangeLog::Read(file.db(), filter);
        EXPECT_TRUE(read.ok()) << read.status().message().toStdString();
        return read.ok() ? *read : std::vector<ChangeLog::Change>();
    }

    TempChampionship file;
};

TEST_F(ChangeLogTest, ABoutSaveIsOneChangeWithWhoWhereRoundStripAndBothResults) {
    save(4, 1, BoutScore{5, 3, true});  // fencers 1 and 4 meet in a round-one pool
    save(1, 4, BoutScore{4, 4, true});
    save(1, 4, std::nullopt);
    const std::vector<ChangeLog::Change> log = changes();
    ASSERT_EQ(log.size(), 3U);
    const ChangeLog::Change& first = log.back();
    EXPECT_EQ(first.what, QStringLiteral("bout"));
    EXPECT_EQ(first.where, file.db().changePlace());
    EXPECT_NE(first.where, QStringLiteral("unknown"));
    EXPECT_EQ(first.who, file.db().changeWho());
    EXPECT_EQ(first.event, kEvent);
    EXPECT_EQ(first.round, 0);
    EXPECT_EQ(first.strip,
              file.text(QStringLiteral(
                  "SELECT StripName FROM StripNumbers WHERE Weapon = 0 AND StripSet = 0")));
    // Seen from the lower fencer number, 1, who lost 3-5.
    EXPECT_EQ(first.fencer, 1);
    EXPECT_EQ(first.opponent, 4);
    EXPECT_EQ(first.before, QString());
    EXPECT_EQ(first.after, QStringLiteral("3-5"));
    EXPECT_EQ(log[1].before, QStringLiteral("3-5"));
    EXPECT_EQ(log[1].after, QStringLiteral("V-4"));
    EXPECT_EQ(log[0].before, QStringLiteral("V-4"));
    EXPECT_EQ(log[0].after, QString());
    // Written in universal time, read in the machine's.
    const QDateTime when =
        QDateTime::fromString(log[0].when, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    EXPECT_TRUE(when.isValid()) << log[0].when.toStdString();
    EXPECT_LE(std::abs(when.secsTo(QDateTime::currentDateTime())), 60);
}

TEST_F(ChangeLogTest, SavingAStripAgainUnchangedOrFailingRecordsNothing) {
    save(0, 1, BoutScore{5, 2, true});
    save(0, 1, BoutScore{5, 2, true});
    EXPECT_EQ(changes().size(), 1U);
    {
        // A save that does not commit leaves neither the bout nor its change.
        Transaction transaction(file.db());
        ASSERT_TRUE(
            BoutResults::WriteInTransaction(file.db(), kEvent, {{0, 2, BoutScore{5, 1, true}}})
                .ok());
    }
    EXPECT_EQ(changes().size(), 1U);
    EXPECT_EQ(file.count(QStringLiteral("SELECT COUNT(*) FROM ChangeWriter")), 0);
}

TEST_F(ChangeLogTest, AnotherWriterStillSavesAndIsRecordedAsUnknown) {
    save(0, 1, BoutScore{5, 2, true});  // gives the file its log
    const std::unique_ptr<Database> shell = file.openAnother();
    // As the sqlite3 shell or an older build writes: no transaction of ours, no name.
    ASSERT_TRUE(shell
                    ->exec(QStringLiteral("UPDATE Results SET Touches = 4 WHERE Weapon = 0 AND "
                                          "FencerNumber = 1 AND Opponent = 0"))
                    .ok());
    ASSERT_TRUE(
        shell->exec(QStringLiteral("INSERT INTO Results VALUES (0, 3, 5, -1, 5), (0, 5, 3, 0, 1)"))
            .ok());
    const std::vector<ChangeLog::Change> log = changes();
    ASSERT_EQ(log.size(), 3U);
    EXPECT_EQ(log[0].who, QStringLiteral("unknown"));
    EXPECT_EQ(log[0].where, QStringLiteral("unknown"));
    EXPECT_EQ(log[0].after, QStringLiteral("5-1"));
    EXPECT_EQ(log[1].before, QStringLiteral("5-2"));
    EXPECT_EQ(log[1].after, QStringLiteral("5-4"));
}

TEST_F(ChangeLogTest, RosterGroupsSeedingSchoolsStripsAndFinalsAreRecorded) {
    saveSql(
        {QStringLiteral("UPDATE Roster SET LName = 'Moreau', Injury = -1 WHERE Weapon = 0 AND "
                        "FencerNumber = 2"),
         QStringLiteral("UPDATE Roster SET \"Group\" = 1, Subgroup = 0 WHERE Weapon = 0 AND "
                        "FencerNumber = 2"),
         QStringLiteral("UPDATE Roster SET Advanced = -1 WHERE Weapon = 0 AND FencerNumber = 5"),
         QStringLiteral("UPDATE Teams SET Abbreviation = 'NEW' WHERE Team = 3"),
         QStringLiteral("UPDATE StripNumbers SET StripName = 'Gym' WHERE Weapon = 0 AND "
                        "StripSet = 1"),
         QStringLiteral("INSERT INTO FinalFour VALUES (0, 0, 5, 7, 99, '')"),
         QStringLiteral("UPDATE FinalFour SET Winner = 7, Score = '15-12' WHERE Weapon = 0")});
    std::map<QString, ChangeLog::Change> byWhat;
    for (const ChangeLog::Change& change : changes()) {
        byWhat[change.what] = change;
    }
    ASSERT_EQ(byWhat.size(), 6U);
    const QString school =
        file.text(QStringLiteral("SELECT Abbreviation FROM Teams WHERE Team = 2"));
    EXPECT_EQ(byWhat["roster"].before, QStringLiteral("2 First2 Last2 (%1)").arg(school));
    EXPECT_EQ(byWhat["roster"].after, QStringLiteral("2 First2 Moreau (%1), injured").arg(school));
    EXPECT_EQ(byWhat["groups"].before, QStringLiteral("Group A, place 3"));
    EXPECT_EQ(byWhat["groups"].after, QStringLiteral("Group B, place 1"));
    EXPECT_EQ(byWhat["seeding"].after, QStringLiteral("advanced"));
    EXPECT_TRUE(byWhat["school"].after.endsWith(QStringLiteral(" / NEW")));
    EXPECT_EQ(byWhat["strip"].after, QStringLiteral("Gym"));
    // The Final Four bout seen from its top fencer, who lost.
    EXPECT_EQ(byWhat["final"].round, ChangeLog::kFinalFourRound);
    EXPECT_EQ(byWhat["final"].before, QString());
    EXPECT_EQ(byWhat["final"].after, QStringLiteral("D 12-15"));
}

TEST_F(ChangeLogTest, AResetIsOneChangeAndARestoreKeepsTheChangesMadeSince) {
    save(0, 1, BoutScore{5, 2, true});
    const Result<QString> snapshot = Snapshots::Take(file.db(), QStringLiteral("manual"));
    ASSERT_TRUE(snapshot.ok());
    save(0, 2, BoutScore{5, 3, true});
    ASSERT_TRUE(DataReset::InitializeResults(file.db(), false).ok());
    std::vector<ChangeLog::Change> log = changes();
    ASSERT_EQ(log.size(), 3U);
    EXPECT_EQ(log[0].what, QStringLiteral("reset"));

    const Result<QString> restored = Snapshots::Restore(file.db(), *snapshot);
    ASSERT_TRUE(restored.ok()) << restored.status().message().toStdString();
    EXPECT_EQ(file.count(QStringLiteral("SELECT COUNT(*) FROM Results")), 2);
    log = changes();
    ASSERT_EQ(log.size(), 4U);
    EXPECT_EQ(log[0].what, QStringLiteral("restore"));
    EXPECT_TRUE(log[0].subject.startsWith(
        QStringLiteral("restored %1-").arg(StationFolder::StemFor(file.path()))))
        << log[0].subject.toStdString();
    EXPECT_EQ(log[1].what, QStringLiteral("reset"));
}

TEST_F(ChangeLogTest, TheHistoryIsFilteredByEventRoundAndFencer) {
    save(0, 1, BoutScore{5, 2, true});
    save(0, 6, BoutScore{5, 2, true});  // groups A and C meet in a dual round
    save(9, 10, BoutScore{5, 2, true});
    EXPECT_EQ(changes({kEvent, std::nullopt, 0}).size(), 2U);
    EXPECT_EQ(changes({kEvent, 0, 0}).size(), 1U);
    EXPECT_EQ(changes({1, std::nullopt, std::nullopt}).size(), 0U);
    EXPECT_EQ(changes({kEvent, std::nullopt, 10}).size(), 1U);
}

TEST(ChangeLogFileTest, AFileNeverWrittenSinceHasAnEmptyHistory) {
    ORLE_ONLY_WITH_A_FILE("a change log made at the first save");
    TempChampionship file;
    const Result<std::vector<ChangeLog::Change>> read = ChangeLog::Read(file.db());
    ASSERT_TRUE(read.ok());
    EXPECT_TRUE(read->empty());
    EXPECT_EQ(
        file.count(QStringLiteral("SELECT COUNT(*) FROM sqlite_schema WHERE name = 'ChangeLog'")),
        0);
}

}  // namespace
