#include "cli/CliRunner.h"
#include "db/Snapshots.h"
#include "db/StationFolder.h"
#include "support/ChampionshipBuilder.h"
#include "support/FileBytes.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

class SnapshotCommandsTest : public ::testing::Test {
protected:
    SnapshotCommandsTest() {
        ChampionshipBuilder builder(file);
        builder.drawFullEvent(0);
        builder.addBout(0, 0, 1, 5, 2, true);
    }
    long long results() const { return file.count(QStringLiteral("SELECT COUNT(*) FROM Results")); }
    QStringList snapshotLines() const {
        const CliRun run = RunCli({"snapshots", "--db", file.path()});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        return run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    void blockBackups() const {
        WriteBytes(Snapshots::FolderFor(file.path()), QByteArray("in the way"));
    }

    TempChampionship file;
};

TEST_F(SnapshotCommandsTest, SnapshotListAndRestoreRoundTrip) {
    const CliRun taken = RunCli({"snapshot", "--db", file.path(), "--note", "Before lunch"});
    ASSERT_EQ(taken.exitCode, 0) << taken.err.toStdString();
    const QString path = taken.out.trimmed();
    EXPECT_TRUE(QFileInfo(path).isFile()) << path.toStdString();
    EXPECT_TRUE(path.endsWith(QStringLiteral("-before_lunch.mdb")));

    ASSERT_EQ(RunCli({"reset", "--db", file.path(), "--results"}).exitCode, 0);
    EXPECT_EQ(results(), 0);

    const QStringList lines = snapshotLines();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines.at(0), QStringLiteral("file\twhen\treason"));
    const QRegularExpression row(
        QStringLiteral("^%1-\\d{8}-\\d{6}-\\w+(\\.\\d+)?\\.mdb\t\\d{4}-\\d\\d-\\d\\d "
                       "\\d\\d:\\d\\d:\\d\\d\t(\\w+)$")
            .arg(QRegularExpression::escape(StationFolder::StemFor(file.path()))));
    const auto newest = row.match(lines.at(1));
    const auto older = row.match(lines.at(2));
    ASSERT_TRUE(newest.hasMatch()) << lines.at(1).toStdString();
    ASSERT_TRUE(older.hasMatch()) << lines.at(2).toStdString();
    EXPECT_EQ(newest.captured(2), QStringLiteral("reset"));
    EXPECT_EQ(older.captured(2), QStringLiteral("before_lunch"));

    // A snapshot is named as the listing shows it.
    const QString name = lines.at(2).section(QLatin1Char('\t'), 0, 0);
    const CliRun restored = RunCli({"restore", "--db", file.path(), "--from", name});
    ASSERT_EQ(restored.exitCode, 0) << restored.err.toStdString();
    EXPECT_EQ(results(), 2);
    EXPECT_EQ(snapshotLines().at(1).section(QLatin1Char('\t'), 2), QStringLiteral("restore"));
}

TEST_F(SnapshotCommandsTest, WrongCommandLinesExitTwoAndFailuresOne) {
    EXPECT_EQ(RunCli({"snapshot"}).exitCode, 2);
    EXPECT_EQ(RunCli({"snapshots", "--db", file.path(), "--note", "x"}).exitCode, 2);
    const CliRun noFrom = RunCli({"restore", "--db", file.path()});
    EXPECT_EQ(noFrom.exitCode, 2);
    EXPECT_TRUE(noFrom.err.contains(QLatin1String("--from SNAPSHOT"))) << noFrom.err.toStdString();
    const CliRun missing = RunCli({"restore", "--db", file.path(), "--from", "nothing.mdb"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains(QLatin1String("nothing.mdb"))) << missing.err.toStdString();
    EXPECT_EQ(results(), 2);
}

TEST_F(SnapshotCommandsTest, DestructiveCommandsAreRefusedWithoutTheirSnapshot) {
    blockBackups();
    const CliRun reset = RunCli({"reset", "--db", file.path(), "--results"});
    EXPECT_EQ(reset.exitCode, 1);
    EXPECT_TRUE(reset.err.contains(QLatin1String("is a file, not a folder")))
        << reset.err.toStdString();
    EXPECT_EQ(results(), 2);

    const CliRun redraw = RunCli({"draw", "--db", file.path(), "--event", "MS", "--force"});
    EXPECT_EQ(redraw.exitCode, 1);
    EXPECT_EQ(results(), 2);

    const QString csv = file.folder() + QStringLiteral("/roster.csv");
    WriteBytes(csv, RunCli({"roster", "export", "--db", file.path()}).out.toUtf8());
    const CliRun import = RunCli({"roster", "import", "--db", file.path(), csv});
    EXPECT_EQ(import.exitCode, 1);
    EXPECT_TRUE(import.err.contains(QLatin1String("nothing imported"))) << import.err.toStdString();
    EXPECT_EQ(file.count(QStringLiteral("SELECT COUNT(*) FROM Roster")), 24);

    EXPECT_EQ(RunCli({"snapshot", "--db", file.path()}).exitCode, 1);
}

TEST_F(SnapshotCommandsTest, ARedrawOverResultsLeavesASnapshotBehind) {
    const CliRun redraw = RunCli({"draw", "--db", file.path(), "--event", "MS", "--force"});
    ASSERT_EQ(redraw.exitCode, 0) << redraw.err.toStdString();
    const QStringList lines = snapshotLines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines.at(1).section(QLatin1Char('\t'), 2), QStringLiteral("redraw"));
}

}  // namespace
