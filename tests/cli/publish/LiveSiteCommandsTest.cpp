#include "cli/CliRunner.h"
#include "publish/LivePublishing.h"
#include "support/ChampionshipBuilder.h"
#include "support/FileBytes.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

namespace {

// Men's foil drawn; round 2, strip set 0 pairs group A (0..2) with group E (12..14).
class LiveSiteCommandsTest : public ::testing::Test {
protected:
    LiveSiteCommandsTest() { ChampionshipBuilder(file).drawFullEvent(1); }

    CliRun publish(const QStringList& options) {
        return RunCli(QStringList{"publish", "--db", file.path()} + options);
    }
    CliRun bout(const QString& score) {
        return RunCli({"bout", "--db", file.path(), "--event", "MF", "--left", "14", "--right", "2",
                       "--score", score});
    }
    // Victories of fencer 14 in men's foil as results.json shows them; -1 while the standings
    // do not list him (before his first bout).
    int victoriesOf14() {
        const QJsonObject root =
            QJsonDocument::fromJson(ReadBytes(site.filePath("results.json"))).object();
        for (const QJsonValue row : root["events"].toArray()[1].toObject()["standings"].toArray()) {
            if (row.toObject()["fencer"].toInt() == 14) {
                return row.toObject()["v"].toInt();
            }
        }
        return -1;
    }

    TempChampionship file;
    QTemporaryDir site;
};

TEST_F(LiveSiteCommandsTest, PublishWritesTheSiteOnceWithoutKeepingItLive) {
    const CliRun run = publish({"--out", site.path()});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QLatin1String("9 files written")));
    for (const char* name : {"index.html", "mf.html", "screen.html", "results.json"}) {
        EXPECT_TRUE(QFile::exists(site.filePath(name))) << name;
    }
    ASSERT_EQ(bout("5-3").exitCode, 0);
    EXPECT_EQ(victoriesOf14(), -1);  // not live: the save did not touch the site
}

TEST_F(LiveSiteCommandsTest, ALiveSiteFollowsEverySaveUntilStopped) {
    ASSERT_EQ(publish({"--out", site.path(), "--live"}).exitCode, 0);
    EXPECT_EQ(victoriesOf14(), -1);
    const CliRun saved = bout("5-3");
    ASSERT_EQ(saved.exitCode, 0) << saved.err.toStdString();
    EXPECT_TRUE(saved.err.isEmpty()) << saved.err.toStdString();
    EXPECT_EQ(victoriesOf14(), 1);

    ASSERT_EQ(publish({"--stop"}).exitCode, 0);
    ASSERT_EQ(bout("").exitCode, 0);
    EXPECT_EQ(victoriesOf14(), 1);
}

TEST_F(LiveSiteCommandsTest, ASiteThatCannotBeWrittenNeverFailsTheSave) {
    ASSERT_EQ(publish({"--out", site.path(), "--live"}).exitCode, 0);
    // The folder's place is taken by a file: the site cannot be written.
    ASSERT_TRUE(QDir(site.path()).removeRecursively());
    QFile blocker(site.path());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const CliRun saved = bout("5-3");
    EXPECT_EQ(saved.exitCode, 0);
    EXPECT_TRUE(saved.err.contains(QLatin1String("warning: the live results were not updated")))
        << saved.err.toStdString();
    EXPECT_EQ(file.count(QStringLiteral("SELECT COUNT(*) FROM Results")), 2);
}

TEST_F(LiveSiteCommandsTest, AFolderChosenOnAnotherMachineIsLeftAlone) {
    ASSERT_TRUE(
        LivePublishing::Remember(file.db(), site.path(), QStringLiteral("other-table")).ok());
    ASSERT_EQ(bout("5-3").exitCode, 0);
    EXPECT_FALSE(QFile::exists(site.filePath("results.json")));
}

TEST_F(LiveSiteCommandsTest, PublishNeedsEitherAFolderOrStop) {
    EXPECT_NE(publish({}).exitCode, 0);
    EXPECT_NE(publish({"--out", site.path(), "--stop"}).exitCode, 0);
    EXPECT_NE(publish({"--stop", "--live"}).exitCode, 0);
    const CliRun stop = publish({"--stop"});  // nothing to stop is no failure
    EXPECT_EQ(stop.exitCode, 0) << stop.err.toStdString();
}

}  // namespace
