#include "cli/CliRunner.h"
#include "support/FileBytes.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

TEST(FileCommandsTest, NewCreatesAFileAndRefusesToOverwriteUnlessForced) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ORLE2011.mdb"));
    const CliRun created = RunCli({"new", path});
    EXPECT_EQ(created.exitCode, 0) << created.err.toStdString();
    EXPECT_EQ(created.out, QStringLiteral("path: %1\nyear: 2011\n").arg(path));

    const CliRun again = RunCli({"new", path});
    EXPECT_NE(again.exitCode, 0);
    EXPECT_TRUE(again.err.contains(QStringLiteral("--force")));
    EXPECT_EQ(RunCli({"new", path, "--force"}).exitCode, 0);
}

TEST(FileCommandsTest, InfoDescribesAChampionshipFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ORLE2011.mdb"));
    ASSERT_EQ(RunCli({"new", path}).exitCode, 0);
    const CliRun info = RunCli({"info", path});
    EXPECT_EQ(info.exitCode, 0);
    const QStringList lines = info.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4 + 15);
    EXPECT_EQ(lines.mid(0, 4),
              QStringList({"version: 4.3", "year: 2011", "rounds: 1-7", "strip_sets: 1-4"}));
    EXPECT_TRUE(lines.contains(QStringLiteral("Teams: 47")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Schedule: 36")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Roster: 0")));
}

TEST(FileCommandsTest, RefusedFilesAndBadArgumentsExitWithOneLineErrors) {
    QTemporaryDir dir;
    const QString junk = dir.filePath(QStringLiteral("junk.mdb"));
    WriteBytes(junk, QByteArray(2048, 'j'));

    for (const QStringList& words :
         {QStringList{"info", junk}, QStringList{"info"}, QStringList{"new"},
          QStringList{"frobnicate"},
          QStringList{"new", dir.filePath("x.mdb"), "--colour", "red"}}) {
        const CliRun run = RunCli(words);
        EXPECT_NE(run.exitCode, 0) << words.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("orle-cli: "))) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("x.mdb")));
}

TEST(FileCommandsTest, TheProgramReportsErrorsOnStandardError) {
    QProcess cli;
    cli.start(QStringLiteral(ORLE_CLI_PATH), {"info", "/nonexistent/ORLE2004.mdb"});
    ASSERT_TRUE(cli.waitForFinished(10000));
    EXPECT_NE(cli.exitCode(), 0);
    EXPECT_TRUE(cli.readAllStandardOutput().isEmpty());
    const QByteArray err = cli.readAllStandardError();
    EXPECT_TRUE(err.startsWith("orle-cli: /nonexistent/ORLE2004.mdb")) << err.toStdString();
    EXPECT_EQ(err.count('\n'), 1);
}

}  // namespace
