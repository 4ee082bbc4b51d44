#include "db/ChampionshipCopy.h"
#include "db/ChampionshipStore.h"
#include "db/ProgramVersion.h"
#include "db/SeedData.h"
#include "db/ServerChampionship.h"
#include "db/StoredViews.h"
#include "support/PgCluster.h"
#include "support/StoreRows.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>

namespace {

class ServerChampionshipTest : public ServerTest {
protected:
    void SetUp() override {
        ServerTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) {
            return;
        }
        QString error;
        connection = PgConnection::Connect(*ServerUri::Parse(uri()), &error);
        ASSERT_TRUE(connection) << error.toStdString();
    }

    Status create(bool replace = false) const {
        return ServerChampionship::Create(*connection, replace, InsertSeedRows);
    }
    ServerChampionship::Holding holding() const {
        const Result<ServerChampionship::Look> look = ServerChampionship::LookInto(*connection);
        EXPECT_TRUE(look.ok());
        return look ? look->holding : ServerChampionship::Holding::OtherTables;
    }
    QString openReason() const { return ServerChampionship::Open(*ServerUri::Parse(uri())).reason; }

    std::unique_ptr<PgConnection> connection;
};

TEST_F(ServerChampionshipTest, ANewChampionshipHoldsWhatANewFileHolds) {
    EXPECT_EQ(holding(), ServerChampionship::Holding::Nothing);
    const Status created = create();
    ASSERT_TRUE(created) << created.message().toStdString();
    EXPECT_EQ(holding(), ServerChampionship::Holding::Championship);
    EXPECT_EQ(openReason(), QString());

    const TempChampionship file;
    ExpectSameChampionship(file.db(), *connection);
    // Names and schools are found whatever their case, as in a file.
    const Result<SqlRows> yale = connection->rows(
        QStringLiteral("SELECT Team FROM Teams WHERE Abbreviation = ? AND FullTeamName LIKE ?"),
        {QStringLiteral("yale"), QStringLiteral("YALE%")});
    ASSERT_TRUE(yale.ok());
    EXPECT_TRUE(*yale == SqlRows{SqlRow{SqlValue(45)}});
}

// The stored queries are the file's, in the server's words: on the same championship they
// give the same rows.
TEST_F(ServerChampionshipTest, StoredQueriesGiveTheRowsTheFileGives) {
    const TempChampionship file;
    FillWholeChampionship(file);
    ASSERT_TRUE(ServerChampionship::Create(*connection, false, [&](const SqlStore& into) {
        return ChampionshipCopy::CopyRows(file.db(), into).status();
    }));
    for (const StoredView& view : ChampionshipViews()) {
        const QString sql = QStringLiteral("SELECT * FROM \"%1\"").arg(QLatin1String(view.name));
        const SqlRows fromFile = SortedRows(file.db(), sql);
        EXPECT_FALSE(fromFile.empty()) << view.name;
        EXPECT_TRUE(fromFile == SortedRows(*connection, sql)) << view.name;
    }
}

TEST_F(ServerChampionshipTest, AChampionshipIsReplacedOnlyWhenAskedAndOtherTablesNever) {
    ASSERT_TRUE(create());
    ASSERT_TRUE(connection->exec(QStringLiteral("DELETE FROM Teams WHERE Team = 46")));
    const Status again = create();
    EXPECT_EQ(
        again.message(),
        QStringLiteral("%1 already holds a championship; use --force to replace it").arg(uri()));
    ASSERT_TRUE(create(true));
    const Result<SqlRows> teams = connection->rows(QStringLiteral("SELECT COUNT(*) FROM Teams"));
    ASSERT_TRUE(teams.ok());
    EXPECT_TRUE(*teams == SqlRows{SqlRow{SqlValue(47)}});

    ASSERT_TRUE(connection->execScript(QStringLiteral("CREATE TABLE visitors (name text)")));
    const Status refused = create(true);
    EXPECT_TRUE(refused.message().endsWith(
        QLatin1String("the database holds other tables (visitors); a championship needs a "
                      "database of its own")))
        << refused.message().toStdString();
    EXPECT_EQ(openReason(), QString());
}

TEST_F(ServerChampionshipTest, AFailedBuildLeavesTheDatabaseAsItWas) {
    const Status failed = ServerChampionship::Create(*connection, false, [](const SqlStore& into) {
        return into.exec(QStringLiteral("INSERT INTO Teams (Team) VALUES (?)"), {300});
    });
    EXPECT_FALSE(failed);
    EXPECT_EQ(holding(), ServerChampionship::Holding::Nothing);
}

TEST_F(ServerChampionshipTest, OpeningChecksTheVersionAndTheLayout) {
    EXPECT_TRUE(openReason().startsWith(
        QLatin1String("The database lacks parts this program uses: the table VersionInfo")));
    ASSERT_TRUE(create());
    ASSERT_TRUE(connection->exec(QStringLiteral("UPDATE VersionInfo SET DatabaseVersion = ?"),
                                 {QStringLiteral("3.0")}));
    EXPECT_EQ(openReason(), ChampionshipFile::WrongVersionMessage());
    ASSERT_TRUE(connection->exec(QStringLiteral("UPDATE VersionInfo SET DatabaseVersion = ?"),
                                 {ProgramVersion::DatabaseVersionText()}));
    // The change log's roster trigger names the column: it goes with it.
    ASSERT_TRUE(connection->execScript(QStringLiteral(
        "DROP VIEW \"vLocatorCT\"; ALTER TABLE Roster DROP COLUMN AddlText CASCADE")));
    EXPECT_EQ(openReason(),
              QStringLiteral("The database lacks parts this program uses: the column "
                             "Roster.AddlText, the stored query vLocatorCT. It holds no "
                             "championship, or another program has changed it."));
}

TEST_F(ServerChampionshipTest, TheStoreFollowsThePlaceItIsGiven) {
    ASSERT_TRUE(ChampionshipStore::Create(uri(), false, InsertSeedRows));
    const ChampionshipStore::Opened opened = ChampionshipStore::Open(uri());
    ASSERT_TRUE(opened.store) << opened.reason.toStdString();
    EXPECT_EQ(opened.store->kind(), StoreKind::Server);
    EXPECT_EQ(opened.caption, uri());
    EXPECT_EQ(ChampionshipStore::YearOf(uri(), QDate(2030, 1, 1)), QStringLiteral("2026"));
}

}  // namespace
