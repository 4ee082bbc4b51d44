#include "db/Snapshots.h"
#include "support/ChampionshipBuilder.h"
#include "support/FileBytes.h"
#include "support/FileOnly.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <map>

namespace {

// Every table's rows, each row as one line, in a stable order: two files are the same
// championship when these are equal. The change log is left out: it records the restore.
std::map<QString, QStringList> Tables(const Database& db) {
    std::map<QString, QStringList> tables;
    Statement names = db.prepare(
        QStringLiteral("SELECT name, sql FROM sqlite_master WHERE type='table' AND name NOT IN "
                       "('ChangeLog', 'ChangeWriter') ORDER BY name"));
    while (names.next()) {
        const QString table = names.toText(0);
        QStringList& rows = tables[table];
        rows << names.toText(1);
        Statement select = db.prepare(QStringLiteral("SELECT * FROM \"%1\"").arg(table));
        while (select.next()) {
            QStringList row;
            for (int column = 0; column < select.columnCount(); ++column) {
                row << (select.isNull(column) ? QStringLiteral("<null>") : select.toText(column));
            }
            rows << row.join(QLatin1Char('|'));
        }
        EXPECT_TRUE(select.ok()) << select.errorString().toStdString();
        rows.sort();
    }
    EXPECT_TRUE(names.ok()) << names.errorString().toStdString();
    return tables;
}

QString Take(const Database& db, const QString& reason) {
    const Result<QString> taken = Snapshots::Take(db, reason);
    EXPECT_TRUE(taken.ok()) << taken.status().message().toStdString();
    return taken.ok() ? *taken : QString();
}

class SnapshotsTest : public ::testing::Test {
protected:
    void SetUp() override { ORLE_ONLY_WITH_A_FILE("snapshots read back as files beside it"); }
    SnapshotsTest() {
        ChampionshipBuilder builder(file);
        builder.drawFullEvent(0);
        builder.addBout(0, 0, 1, 5, 2, true);
        builder.addBout(0, 3, 4, 1, 5, true);
    }
    // Writes an empty file with a snapshot's name, as one taken `minutesAgo` earlier.
    void plant(int minutesAgo, const QString& reason) const {
        const QString stamp = QDateTime::currentDateTime()
                                  .addSecs(-60LL * minutesAgo)
                                  .toString(QStringLiteral("yyyyMMdd-HHmmss"));
        QDir().mkpath(Snapshots::FolderFor(file.path()));
        WriteBytes(QStringLiteral("%1/ORLE2004-%2-%3.mdb")
                       .arg(Snapshots::FolderFor(file.path()), stamp, reason),
                   QByteArray());
    }

    TempChampionship file;
};

TEST_F(SnapshotsTest, ARestoredSnapshotIsTheFileItWasTakenFromTableByTable) {
    const auto taken = Tables(file.db());
    const QString snapshot = Take(file.db(), QStringLiteral("manual"));
    EXPECT_EQ(QFileInfo(snapshot).dir().dirName(), QStringLiteral("Backups"));
    EXPECT_TRUE(QFileInfo(snapshot).fileName().startsWith(QStringLiteral("ORLE2004-")));
    EXPECT_TRUE(snapshot.endsWith(QStringLiteral("-manual.mdb")));

    file.exec(QStringLiteral("DELETE FROM Results"));
    file.exec(QStringLiteral("UPDATE Roster SET Excluded=-1"));
    const auto changed = Tables(file.db());
    ASSERT_NE(changed, taken);

    const Result<QString> before = Snapshots::Restore(file.db(), snapshot);
    ASSERT_TRUE(before.ok()) << before.status().message().toStdString();
    // The same connection goes on working, and reads the snapshot's content.
    EXPECT_EQ(Tables(file.db()), taken);
    EXPECT_EQ(Tables(*file.openAnother()), taken);
    // The state before the restore was kept, so the restore can itself be undone.
    EXPECT_TRUE(before->contains(QStringLiteral("-restore"))) << before->toStdString();
    QString why;
    std::unique_ptr<Database> kept = Database::open(*before, Database::Mode::ReadOnly, &why);
    ASSERT_TRUE(kept) << why.toStdString();
    EXPECT_EQ(Tables(*kept), changed);
    EXPECT_EQ(file.text(QStringLiteral("SELECT What FROM ChangeLog ORDER BY Id DESC LIMIT 1")),
              QStringLiteral("restore"));
}

TEST_F(SnapshotsTest, SnapshotsAreListedNewestFirstAndOneSecondHoldsSeveral) {
    plant(10, QStringLiteral("redraw"));
    const QString first = Take(file.db(), QStringLiteral("manual"));
    const QString second = Take(file.db(), QStringLiteral("manual"));
    EXPECT_NE(first, second);
    const Result<std::vector<Snapshots::Snapshot>> listed = Snapshots::List(file.path());
    ASSERT_TRUE(listed.ok());
    ASSERT_EQ(listed->size(), 3u);
    EXPECT_EQ(listed->at(0).path, second);
    EXPECT_EQ(listed->at(1).path, first);
    EXPECT_EQ(listed->at(0).reason, QStringLiteral("manual"));
    EXPECT_EQ(listed->at(2).reason, QStringLiteral("redraw"));
    EXPECT_LT(listed->at(2).when, listed->at(1).when);
}

TEST_F(SnapshotsTest, TheLastFiftyAutomaticOnesAreKeptAndTheStaffsOwnAreNot) {
    const int planted = Snapshots::kKeptAutomatic + 5;
    for (int minutesAgo = planted; minutesAgo > 0; --minutesAgo) {
        // A completed round's snapshot is the program's own and goes with the oldest.
        plant(minutesAgo + 100,
              minutesAgo == planted ? QStringLiteral("round_ws_2") : QStringLiteral("reset"));
    }
    plant(500, QStringLiteral("manual"));
    plant(501, QStringLiteral("before_lunch"));
    const QString newest = Take(file.db(), QStringLiteral("import"));

    const Result<std::vector<Snapshots::Snapshot>> listed = Snapshots::List(file.path());
    ASSERT_TRUE(listed.ok());
    ASSERT_EQ(listed->size(), static_cast<size_t>(Snapshots::kKeptAutomatic + 2));
    EXPECT_EQ(listed->front().path, newest);
    // The planted ones were 101 to 155 minutes old: the newest 49 of them stay with the new one.
    const QDateTime keptSince = QDateTime::currentDateTime().addSecs(-60LL * 149 - 30);
    EXPECT_GT(listed->at(Snapshots::kKeptAutomatic - 1).when, keptSince);
    EXPECT_EQ(listed->at(Snapshots::kKeptAutomatic).reason, QStringLiteral("manual"));
    EXPECT_EQ(listed->back().reason, QStringLiteral("before_lunch"));
}

TEST_F(SnapshotsTest, ASnapshotThatCannotBeWrittenIsRefusedWithTheReason) {
    WriteBytes(Snapshots::FolderFor(file.path()), QByteArray("in the way"));
    const Result<QString> taken = Snapshots::Take(file.db(), QStringLiteral("reset"));
    ASSERT_FALSE(taken.ok());
    const QString message = taken.status().message();
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(file.path()))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("is a file, not a folder")))
        << message.toStdString();
    EXPECT_FALSE(Snapshots::Before(file.db(), QStringLiteral("reset")).ok());
}

TEST_F(SnapshotsTest, ARestoreFromWhatIsNotASnapshotChangesNothing) {
    const auto taken = Tables(file.db());
    const QString foreign = file.folder() + QStringLiteral("/notes.mdb");
    WriteBytes(foreign, QByteArray("not a database at all, just some words"));
    for (const QString& from : {foreign, file.folder() + QStringLiteral("/missing.mdb")}) {
        const Result<QString> restored = Snapshots::Restore(file.db(), from);
        ASSERT_FALSE(restored.ok());
        EXPECT_TRUE(restored.status().message().contains(QDir::toNativeSeparators(from)))
            << restored.status().message().toStdString();
    }
    EXPECT_EQ(Tables(file.db()), taken);
    EXPECT_FALSE(QFileInfo::exists(Snapshots::FolderFor(file.path())));
}

TEST(SnapshotNotes, ANoteBecomesASafeWordThatIsNeverPrunedAsTheProgramsOwn) {
    EXPECT_EQ(Snapshots::ReasonFromNote(QStringLiteral(" Before lunch! (strip 3) ")),
              QStringLiteral("before_lunch_strip_3"));
    EXPECT_EQ(Snapshots::ReasonFromNote(QStringLiteral("../../etc")), QStringLiteral("etc"));
    EXPECT_EQ(Snapshots::ReasonFromNote(QStringLiteral("Reset")), QStringLiteral("manual_reset"));
    EXPECT_EQ(Snapshots::ReasonFromNote(QStringLiteral("round ms 3")),
              QStringLiteral("manual_round_ms_3"));
    EXPECT_EQ(Snapshots::ReasonFromNote(QStringLiteral("!!!")), QStringLiteral("manual"));
    EXPECT_FALSE(Snapshots::IsAutomatic(Snapshots::ReasonFromNote(QStringLiteral("restore"))));
    EXPECT_LE(Snapshots::ReasonFromNote(QString(100, QLatin1Char('a'))).size(), 32);
}

}  // namespace
