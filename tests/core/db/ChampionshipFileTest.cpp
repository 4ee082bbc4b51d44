#include "db/ChampionshipFile.h"

#include "support/FileBytes.h"
#include "support/FileOnly.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

TEST(ChampionshipFileTest, NewFilePassesTheVersionCheckAndLeavesNoTemporaryFiles) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ORLE2026.mdb"));
    ASSERT_TRUE(ChampionshipFile::Create(path));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"ORLE2026.mdb"}));
    ChampionshipFile::Opened opened = ChampionshipFile::Open(path);
    ASSERT_TRUE(opened.db);
    EXPECT_EQ(opened.failure, ChampionshipFile::OpenFailure::None);
}

TEST(ChampionshipFileTest, CreatingOverAnExistingFileReplacesItWithAFreshOne) {
    ORLE_ONLY_WITH_A_FILE("a file that a new one replaces");
    TempChampionship old;
    old.exec(QStringLiteral(
        "INSERT INTO Roster (Weapon, FencerNumber, Team, HTMLName) VALUES (0, 0, 0, 'x')"));
    ASSERT_TRUE(ChampionshipFile::Create(old.path()));
    ChampionshipFile::Opened fresh = ChampionshipFile::Open(old.path());
    ASSERT_TRUE(fresh.db);
    EXPECT_EQ(*fresh.db->queryInt(QStringLiteral("SELECT COUNT(*) FROM Roster")), 0);
    EXPECT_EQ(*fresh.db->queryInt(QStringLiteral("SELECT COUNT(*) FROM Teams")), 47);
}

TEST(ChampionshipFileTest, FailedCreationNamesTheFileAndLeavesTheOldOneAlone) {
    if (geteuid() == 0) {
        // root writes into read-only folders; use a path under a plain file instead.
        QTemporaryDir dir;
        const QString blocker = dir.filePath(QStringLiteral("notafolder"));
        WriteBytes(blocker, "x");
        const QString path = blocker + QStringLiteral("/ORLE2026.mdb");
        const Status created = ChampionshipFile::Create(path);
        EXPECT_FALSE(created);
        EXPECT_TRUE(created.message().contains(QStringLiteral("ORLE2026.mdb")));
        EXPECT_EQ(ReadBytes(blocker), QByteArray("x"));
        return;
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ORLE2026.mdb"));
    WriteBytes(path, "previous");
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const Status created = ChampionshipFile::Create(path);
    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(created);
    EXPECT_TRUE(created.message().contains(QStringLiteral("ORLE2026.mdb")));
    EXPECT_EQ(ReadBytes(path), QByteArray("previous"));
}

TEST(ChampionshipFileTest, CreatingOntoAFolderIsRefused) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ORLE2026.mdb"));
    QDir().mkpath(path);
    EXPECT_FALSE(ChampionshipFile::Create(path));
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

TEST(ChampionshipFileTest, FilesThatAreNotChampionshipsAreRefusedUntouched) {
    QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("notes.mdb"));
    const QByteArray notes(4096, 'n');
    WriteBytes(text, notes);
    ChampionshipFile::Opened refused = ChampionshipFile::Open(text);
    EXPECT_FALSE(refused.db);
    EXPECT_EQ(refused.failure, ChampionshipFile::OpenFailure::CannotOpen);
    EXPECT_FALSE(refused.reason.isEmpty());
    EXPECT_EQ(ReadBytes(text), notes);

    EXPECT_EQ(ChampionshipFile::Open(dir.filePath(QStringLiteral("missing.mdb"))).failure,
              ChampionshipFile::OpenFailure::CannotOpen);

    const QString otherSqlite = dir.filePath(QStringLiteral("other.mdb"));
    {
        auto db = Database::open(otherSqlite, Database::Mode::CreateFile, nullptr);
        ASSERT_TRUE(db->exec(QStringLiteral("CREATE TABLE Something (x)")));
    }
    const QByteArray before = ReadBytes(otherSqlite);
    ChampionshipFile::Opened notOurs = ChampionshipFile::Open(otherSqlite);
    EXPECT_EQ(notOurs.failure, ChampionshipFile::OpenFailure::WrongVersion);
    EXPECT_EQ(notOurs.reason, QStringLiteral("The database is not the proper version."));
    EXPECT_EQ(ReadBytes(otherSqlite), before);
}

TEST(ChampionshipFileTest, AnotherVersionIsRefused) {
    ORLE_ONLY_WITH_A_FILE("the file's own open check");
    TempChampionship file;
    file.exec(QStringLiteral("UPDATE VersionInfo SET DatabaseVersion='4.2'"));
    EXPECT_EQ(ChampionshipFile::Open(file.path()).failure,
              ChampionshipFile::OpenFailure::WrongVersion);
    file.exec(QStringLiteral("DELETE FROM VersionInfo"));
    EXPECT_EQ(ChampionshipFile::Open(file.path()).failure,
              ChampionshipFile::OpenFailure::WrongVersion);
}

TEST(ChampionshipFileTest, ADamagedFileIsRefused) {
    ORLE_ONLY_WITH_A_FILE("bytes on disk to damage");
    TempChampionship file;
    const QString path = file.path();
    QByteArray bytes = ReadBytes(path);
    // Keep the header, scramble the pages behind it.
    for (qsizetype i = 200; i < bytes.size(); i += 7) {
        bytes[i] = static_cast<char>(bytes[i] ^ 0x5a);
    }
    WriteBytes(path, bytes);
    EXPECT_EQ(ChampionshipFile::Open(path).failure, ChampionshipFile::OpenFailure::CannotOpen);
}

}  // namespace
