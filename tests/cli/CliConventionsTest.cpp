#include "cli/CliRunner.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

// The command names `orle-cli --help` lists, one per indented line under "Commands:".
QStringList listedCommands(const QString& help) {
    QStringList names;
    static const QRegularExpression line(QStringLiteral("^  ([a-z]+) "),
                                         QRegularExpression::MultilineOption);
    for (auto it = line.globalMatch(help); it.hasNext();) {
        names << it.next().captured(1);
    }
    return names;
}

TEST(CliConventionsTest, EveryCommandHasHelpByNameAndByOption) {
    const CliRun help = RunCli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.err.isEmpty());
    const QStringList names = listedCommands(help.out);
    EXPECT_EQ(names.size(), 24) << help.out.toStdString();
    for (const QString& name : names) {
        const QString usage = QStringLiteral("usage: orle-cli %1").arg(name);
        for (const QStringList& words : {QStringList{"help", name}, QStringList{name, "--help"},
                                         QStringList{name, "--db", "x.mdb", "-h"}}) {
            const CliRun run = RunCli(words);
            EXPECT_EQ(run.exitCode, 0) << words.join(' ').toStdString();
            EXPECT_TRUE(run.out.startsWith(usage)) << run.out.toStdString();
            EXPECT_TRUE(run.err.isEmpty());
        }
    }
    EXPECT_TRUE(RunCli({"help", "print"}).out.contains("orle-cli print dual --db PATH"));
    EXPECT_EQ(RunCli({"help"}).out, help.out);
}

// The manual page's command list is made from the same table as --help.
TEST(CliConventionsTest, TheManualListsEveryCommand) {
    QFile page(QStringLiteral(ORLE_CLI_MAN_PAGE));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString roff = QString::fromUtf8(page.readAll());
    EXPECT_FALSE(roff.contains(QLatin1Char('@')));
    for (const QString& name : listedCommands(RunCli({"--help"}).out)) {
        EXPECT_TRUE(roff.contains(QStringLiteral(".B \"orle\\-cli %1").arg(name)))
            << name.toStdString();
    }
}

TEST(CliConventionsTest, VersionReadsLikeTheAboutBox) {
    const CliRun version = RunCli({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QStringLiteral("orle-cli 4.3 (Build 60)\n"));
}

// A wrong command line exits 2 with the reason and the command's usage; a refused file or
// a failed piece of work exits 1 without a usage line.
TEST(CliConventionsTest, UsageErrorsExitTwoAndOtherFailuresOne) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ORLE2012.mdb"));
    ASSERT_EQ(RunCli({"new", path}).exitCode, 0);
    const QList<std::pair<QStringList, QString>> usageErrors = {
        {{}, "usage: orle-cli COMMAND"},
        {{"frobnicate"}, "usage: orle-cli COMMAND"},
        {{"help", "frobnicate"}, "usage: orle-cli COMMAND"},
        {{"info"}, "usage: orle-cli info PATH"},
        {{"new", path, "--colour", "red"}, "usage: orle-cli new PATH"},
        {{"standings", "--db", path}, "usage: orle-cli standings --db PATH --event EVENT"},
        {{"standings", "--db", path, "--event", "XX"}, "usage: orle-cli standings"},
        {{"draw", "--db"}, "usage: orle-cli draw"},
        {{"reset", "--db", path}, "usage: orle-cli reset"},
        {{"publish", "--db", path}, "usage: orle-cli publish --db PATH --out DIR"},
        {{"roster", "--db", path}, "usage: orle-cli roster import"},
        {{"print", "--db", path}, "usage: orle-cli print SHEET"},
        {{"print", "groups", "--db", path, "--event", "MS"}, "usage: orle-cli print groups"},
        {{"--version", "extra"}, "usage: orle-cli COMMAND"},
        {{"teams", "--db", path, "stray"}, "usage: orle-cli teams"},
        {{"teams", "--db", path, "--db", path}, "usage: orle-cli teams"},
        {{"teams", "--db", path, "--frob"}, "usage: orle-cli teams"},
    };
    for (const auto& [words, usage] : usageErrors) {
        const CliRun run = RunCli(words);
        const QStringList lines = run.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        EXPECT_EQ(run.exitCode, 2) << words.join(' ').toStdString();
        ASSERT_GE(lines.size(), 2) << run.err.toStdString();
        EXPECT_TRUE(lines[0].startsWith(QStringLiteral("orle-cli: ")));
        EXPECT_TRUE(lines[1].startsWith(usage)) << lines[1].toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
    EXPECT_TRUE(RunCli({"teams", "--db", path, "--frob"}).err.contains("unknown option --frob"));
    EXPECT_TRUE(RunCli({"teams", "--db", path, "--db", path}).err.contains("given twice"));
    for (const QStringList& words :
         {QStringList{"info", dir.filePath("absent.mdb")}, QStringList{"new", path},
          QStringList{"seed", "--db", path, "--event", "MS"}}) {
        const CliRun run = RunCli(words);
        EXPECT_EQ(run.exitCode, 1) << words.join(' ').toStdString();
        EXPECT_FALSE(run.err.contains(QStringLiteral("usage:"))) << run.err.toStdString();
    }
}

// Only printing draws pages; every other command, and help and version, runs where no
// display plugin can be loaded at all.
TEST(CliConventionsTest, CommandsThatDrawNothingNeedNoDisplay) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ORLE2012.mdb"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("no-such-display"));
    const auto run = [&](const QStringList& words) {
        QProcess cli;
        cli.setProcessEnvironment(env);
        cli.start(QStringLiteral(ORLE_CLI_PATH), words);
        EXPECT_TRUE(cli.waitForFinished(10000));
        EXPECT_EQ(cli.exitStatus(), QProcess::NormalExit) << words.join(' ').toStdString();
        return cli.exitCode();
    };
    EXPECT_EQ(run({"--version"}), 0);
    EXPECT_EQ(run({"print", "--help"}), 0);
    EXPECT_EQ(run({"help", "print"}), 0);
    EXPECT_EQ(run({"new", path}), 0);
    EXPECT_EQ(run({"info", path}), 0);
    EXPECT_EQ(run({"standings", "--db", path, "--event", "MS"}), 0);
    EXPECT_EQ(run({"download", "--db", path, "--format", "html"}), 0);
    EXPECT_EQ(run({"frobnicate"}), 2);
}

// orle-cli loads no GUI libraries and hands printing over to orle-cli-print: the whole
// program still prints, and its help for print still lists every sheet.
TEST(CliConventionsTest, PrintingIsHandedOverAndStillWorks) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ORLE2012.mdb"));
    const QString pdf = dir.filePath(QStringLiteral("groups.pdf"));
    ASSERT_EQ(RunCli({"new", path}).exitCode, 0);
    QProcess cli;
    cli.start(QStringLiteral(ORLE_CLI_PATH),
              {"print", "groups", "--db", path, "--event", "MS", "--pdf", pdf});
    ASSERT_TRUE(cli.waitForFinished(20000));
    EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    EXPECT_TRUE(cli.readAllStandardOutput().startsWith("pdf: "));
    EXPECT_TRUE(QFileInfo(pdf).size() > 0);

    cli.start(QStringLiteral(ORLE_CLI_PATH), {"help", "print"});
    ASSERT_TRUE(cli.waitForFinished(10000));
    EXPECT_TRUE(cli.readAllStandardOutput().contains("orle-cli print referee2 --db PATH"));
}

}  // namespace
