#include "db/ChampionshipCopy.h"
#include "db/ChampionshipStore.h"
#include "db/ChangeLog.h"
#include "db/Snapshots.h"
#include "support/ChampionshipBuilder.h"
#include "support/PgCluster.h"
#include "support/StoreRows.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>

namespace {

// A station's own folder lives in its user's Documents; the test gives it a home of its own.
class ServerSnapshotsTest : public ServerTest {
protected:
    void SetUp() override {
        ServerTest::SetUp();
        m_oldHome = qgetenv("HOME");
        qputenv("HOME", m_home.path().toUtf8());
    }
    void TearDown() override { qputenv("HOME", m_oldHome); }

    QString home() const { return m_home.path(); }

private:
    QTemporaryDir m_home;
    QByteArray m_oldHome;
};

// A snapshot of a server championship is a championship file in the station's folder, and
// putting it back gives the server every row it held, recorded as one restore.
TEST_F(ServerSnapshotsTest, ASnapshotIsAFileOfThisStationAndRestoresEveryRow) {
    const TempChampionship file(QStringLiteral("ORLE2026.mdb"));
    ChampionshipBuilder(file).drawFullEvent(0);
    ChampionshipBuilder(file).addBout(0, 1, 2, 5, 3, true);
    ASSERT_TRUE(ChampionshipStore::Create(uri(), false, [&file](const SqlStore& into) {
        return ChampionshipCopy::CopyRows(file.db(), into).status();
    }));
    const ChampionshipStore::Opened server = ChampionshipStore::Open(uri());
    ASSERT_TRUE(server.store) << server.reason.toStdString();
    const Database& db = *server.store;

    const Result<QString> taken = Snapshots::Take(db, QStringLiteral("manual"));
    ASSERT_TRUE(taken) << taken.status().message().toStdString();
    const QString database = uri().section(QLatin1Char('/'), 3).section(QLatin1Char('?'), 0, 0);
    EXPECT_TRUE(taken->startsWith(
        QDir(home()).filePath(QStringLiteral("Documents/ORLE/%1/Backups/%1-").arg(database))))
        << taken->toStdString();
    const ChampionshipStore::Opened snapshot = ChampionshipStore::Open(*taken);
    ASSERT_TRUE(snapshot.store) << snapshot.reason.toStdString();
    ExpectSameChampionship(file.db(), *snapshot.store);

    ASSERT_TRUE(db.exec(QStringLiteral("UPDATE Results SET Touches = 4 WHERE Weapon = 0")));
    const Result<QString> restored = Snapshots::Restore(db, *taken);
    ASSERT_TRUE(restored) << restored.status().message().toStdString();
    ExpectSameChampionship(file.db(), db);
    const Result<std::vector<ChangeLog::Change>> history = ChangeLog::Read(db);
    ASSERT_TRUE(history);
    ASSERT_FALSE(history->empty());
    EXPECT_EQ(history->front().what, QStringLiteral("restore"));
}

}  // namespace
