#include "cli/CliRunner.h"
#include "support/ChampionshipBuilder.h"
#include "support/FileBytes.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>

namespace {

// The fencers' list of an exported competition, as written.
QByteArray fencersOf(const QByteArray& xml) {
    const qsizetype from = xml.indexOf("<Tireurs>");
    return xml.mid(from, xml.indexOf("</Tireurs>") - from);
}

TEST(ExportCommandsTest, AnExportedEventImportsIntoAnEmptyChampionshipAsTheSameFencers) {
    TempChampionship first;
    ChampionshipBuilder(first).drawFullEvent(0);
    first.exec("UPDATE Roster SET LName = ?, FName = ? WHERE FencerNumber = 1",
               {QStringLiteral("D'Artagnan"), QStringLiteral("Émile")});
    first.exec("UPDATE Roster SET Injury = -1 WHERE FencerNumber = 2");
    first.exec("UPDATE Roster SET Excluded = -1 WHERE FencerNumber = 3");
    QTemporaryDir out;
    const QString ms = out.filePath("ms.xml");

    const CliRun exported =
        RunCli({"export", "--db", first.path(), "--format", "fie", "--event", "MS", "--out", ms});
    ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    EXPECT_EQ(exported.out, QStringLiteral("export: %1\n").arg(ms));
    TempChampionship second;
    const CliRun imported =
        RunCli({"roster", "import", "--db", second.path(), "--format", "fie", ms});
    ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    EXPECT_EQ(imported.out, QStringLiteral("imported 24 fencers\n"));
    const QString again = out.filePath("again.xml");
    ASSERT_EQ(
        RunCli({"export", "--db", second.path(), "--format", "fie", "--event", "0", "--out", again})
            .exitCode,
        0);
    EXPECT_EQ(fencersOf(ReadBytes(again)), fencersOf(ReadBytes(ms)));
    EXPECT_TRUE(fencersOf(ReadBytes(ms)).contains("Nom=\"D'Artagnan\" Prenom=\"\xC3\x89mile\""));

    const CliRun several = RunCli({"export", "--db", first.path(), "--format", "fie", "--events",
                                   "MS,WE", "--out", out.path()});
    EXPECT_EQ(several.exitCode, 0) << several.err.toStdString();
    EXPECT_TRUE(QFile::exists(out.filePath("MS.xml")) && QFile::exists(out.filePath("WE.xml")));
    for (const QStringList& wrong :
         {QStringList{"--format", "csv", "--event", "MS"}, QStringList{"--format", "fie"},
          QStringList{"--format", "fie", "--event", "MS", "--events", "WE"}}) {
        EXPECT_EQ(RunCli(QStringList{"export", "--db", first.path()} + wrong).exitCode, 2)
            << wrong.join(' ').toStdString();
    }
}

}  // namespace
