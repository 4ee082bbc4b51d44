#include "db/ChampionshipFile.h"
#include "db/FileLayout.h"

#include "support/FileBytes.h"
#include "support/FileOnly.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

constexpr int kWriteVersionByte = 18;
constexpr int kReadVersionByte = 19;

QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

TEST(OpenCheckTest, AFileLackingTablesColumnsOrStoredQueriesIsRefusedNamingThemUntouched) {
    ORLE_ONLY_WITH_A_FILE("the file's own open check");
    TempChampionship file;
    file.exec(QStringLiteral("DROP TABLE ResultsScratchpad"));
    file.exec(QStringLiteral("DROP TABLE TeamScratchpad"));
    file.exec(
        QStringLiteral("CREATE TABLE TeamScratchpad (FullTeamName, Points, ME, MF, MS, WE, WF)"));
    file.exec(QStringLiteral("DROP VIEW vLocatorCT"));
    const QByteArray before = ReadBytes(file.path());
    const ChampionshipFile::Opened refused = ChampionshipFile::Open(file.path());
    EXPECT_FALSE(refused.db);
    EXPECT_EQ(refused.failure, ChampionshipFile::OpenFailure::CannotOpen);
    for (const char* part : {"the table ResultsScratchpad", "the column TeamScratchpad.WS",
                             "the stored query vLocatorCT", "the stored query ResultsRanked"}) {
        EXPECT_TRUE(refused.reason.contains(QLatin1String(part))) << refused.reason.toStdString();
    }
    EXPECT_EQ(ReadBytes(file.path()), before);
}

TEST(OpenCheckTest, AMissingVersionTableStillReadsAsAnotherVersion) {
    ORLE_ONLY_WITH_A_FILE("the file's own open check");
    TempChampionship file;
    file.exec(QStringLiteral("DROP TABLE VersionInfo"));
    const ChampionshipFile::Opened refused = ChampionshipFile::Open(file.path());
    EXPECT_EQ(refused.failure, ChampionshipFile::OpenFailure::WrongVersion);
    EXPECT_EQ(refused.reason, QStringLiteral("The database is not the proper version."));
}

TEST(OpenCheckTest, TablesOfLaterVersionsAreOptionalWhileTheOthersAreRequired) {
    ORLE_ONLY_WITH_A_FILE("the file's own layout check");
    TempChampionship file;
    const std::vector<TableDef> tables = {
        {"Teams", {{"Team", ColumnType::Byte}, {"Sponsor", ColumnType::Text, 20}}, {}},
        {"LiveResultsSettings", {{"Folder", ColumnType::Text, 255}}, {}, true},
        {"Referees", {{"Name", ColumnType::Text, 50}}, {}},
    };
    const Result<QStringList> missing = FileLayout::MissingParts(file.db(), tables, {});
    ASSERT_TRUE(missing);
    EXPECT_EQ(*missing, QStringList({QStringLiteral("the column Teams.Sponsor"),
                                     QStringLiteral("the table Referees")}));
    const Result<QStringList> complete = FileLayout::MissingParts(file.db());
    ASSERT_TRUE(complete);
    EXPECT_TRUE(complete->isEmpty()) << complete->join(QLatin1Char(',')).toStdString();
}

TEST(OpenCheckTest, ADamagedFileListsEveryFindingOfTheCheck) {
    ORLE_ONLY_WITH_A_FILE("checks a file can switch off");
    TempChampionship file;
    file.exec(QStringLiteral("PRAGMA ignore_check_constraints=ON"));
    file.exec(QStringLiteral("UPDATE Teams SET Abbreviation = 'FAR TOO LONG' WHERE Team = 3"));
    file.exec(QStringLiteral("UPDATE Groups SET GroupName = '' WHERE \"Group\" = 2"));
    const ChampionshipFile::Opened refused = ChampionshipFile::Open(file.path());
    EXPECT_EQ(refused.failure, ChampionshipFile::OpenFailure::CannotOpen);
    EXPECT_TRUE(refused.reason.startsWith(QStringLiteral("The file is damaged.")))
        << refused.reason.toStdString();
    EXPECT_TRUE(refused.reason.contains(QStringLiteral("in Teams")));
    EXPECT_TRUE(refused.reason.contains(QStringLiteral("in Groups")));
}

// A championship file kept with a write-ahead log, as another program may leave it: the
// changes after `pendingSql` stay in the log, not yet in the file.
class WalFileTest : public ::testing::Test {
protected:
    void SetUp() override { ORLE_ONLY_WITH_A_FILE("a file's own write-ahead log"); }
    void makeWalFile(const QString& pendingSql) {
        TempChampionship made;
        {
            QString error;
            auto db = Database::open(made.path(), Database::Mode::ExistingFile, &error);
            ASSERT_TRUE(db) << error.toStdString();
            ASSERT_TRUE(db->execScript(
                QStringLiteral("PRAGMA journal_mode=WAL; PRAGMA wal_autocheckpoint=0")));
            ASSERT_TRUE(db->execScript(pendingSql));
            // The copy is taken while the log is still open, as after a crash.
            ASSERT_TRUE(QFile::copy(made.path(), path));
            ASSERT_TRUE(QFile::copy(made.path() + QStringLiteral("-wal"), wal));
        }
    }

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ORLE2026.mdb"));
    const QString wal = path + QStringLiteral("-wal");
};

TEST_F(WalFileTest, ARefusedFileAndItsLogKeepEveryByte) {
    makeWalFile(QStringLiteral("UPDATE VersionInfo SET DatabaseVersion = '4.2'"));
    const QByteArray file = ReadBytes(path);
    const QByteArray log = ReadBytes(wal);
    ASSERT_FALSE(log.isEmpty());
    ASSERT_EQ(file.at(kWriteVersionByte), 2);
    const ChampionshipFile::Opened refused = ChampionshipFile::Open(path);
    EXPECT_EQ(refused.failure, ChampionshipFile::OpenFailure::WrongVersion);
    EXPECT_EQ(ReadBytes(path), file);
    EXPECT_EQ(ReadBytes(wal), log);
    EXPECT_EQ(filesIn(dir.path()), QStringList({"ORLE2026.mdb", "ORLE2026.mdb-wal"}));
}

TEST_F(WalFileTest, ARefusedFileWithoutALogGetsNoFilesBesideIt) {
    ASSERT_TRUE(ChampionshipFile::Create(path));
    {
        QString error;
        auto db = Database::open(path, Database::Mode::ExistingFile, &error);
        ASSERT_TRUE(db) << error.toStdString();
        ASSERT_TRUE(db->execScript(QStringLiteral(
            "PRAGMA journal_mode=WAL; UPDATE VersionInfo SET DatabaseVersion = '4.2'")));
    }
    const QByteArray file = ReadBytes(path);
    ASSERT_EQ(file.at(kReadVersionByte), 2);
    ASSERT_EQ(filesIn(dir.path()), QStringList({"ORLE2026.mdb"}));
    EXPECT_EQ(ChampionshipFile::Open(path).failure, ChampionshipFile::OpenFailure::WrongVersion);
    EXPECT_EQ(ReadBytes(path), file);
    EXPECT_EQ(filesIn(dir.path()), QStringList({"ORLE2026.mdb"}));
}

TEST_F(WalFileTest, AnAcceptedFileTakesItsLoggedChangesAndBecomesOneFile) {
    makeWalFile(QStringLiteral("UPDATE Teams SET Abbreviation = 'WAL' WHERE Team = 5"));
    const ChampionshipFile::Opened opened = ChampionshipFile::Open(path);
    ASSERT_TRUE(opened.db) << opened.reason.toStdString();
    EXPECT_EQ(
        **opened.db->queryText(QStringLiteral("SELECT Abbreviation FROM Teams WHERE Team = 5")),
        QStringLiteral("WAL"));
    EXPECT_EQ(ReadBytes(path).at(kWriteVersionByte), 1);
    EXPECT_FALSE(QFile::exists(wal));
}

}  // namespace
