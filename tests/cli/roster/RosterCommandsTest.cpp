#include "cli/CliRunner.h"
#include "support/ChampionshipBuilder.h"
#include "support/ReadValue.h"
#include "support/StoreRows.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>
#include <QFile>

namespace {

class RosterCommandsTest : public ::testing::Test {
protected:
    QString writeCsv(const QByteArray& content) {
        const QString path = file.folder() + QStringLiteral("/roster.csv");
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(content);
        return path;
    }
    QString abbreviation(int team) {
        return file.text("SELECT Abbreviation FROM Teams WHERE Team = ?", {team});
    }

    TempChampionship file;
};

TEST_F(RosterCommandsTest, ImportThenExportRoundTripsUtf8AndQuotes) {
    const QString csv = QStringLiteral(
                            "event,first,last,school,status,addl,html\n"
                            "WE,Zoë,\"D'Arcy, \"\"Jr\"\"\",%1,Injury,,\n")
                            .arg(abbreviation(2));
    const QString path = writeCsv(csv.toUtf8());
    const CliRun imported = RunCli({"roster", "import", "--db", file.path(), path});
    ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    EXPECT_EQ(imported.out, QStringLiteral("imported 1 fencers\n"));

    const CliRun exported = RunCli({"roster", "export", "--db", file.path(), "--event", "5"});
    ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    EXPECT_EQ(
        exported.out,
        QStringLiteral("event,first,last,school,status,addl,html\n"
                       "WE,Zoë,\"D'Arcy, \"\"Jr\"\"\",%1,Injury,,\"Zo&euml; D'Arcy, \"\"Jr\"\"\"\n")
            .arg(abbreviation(2)));
}

TEST_F(RosterCommandsTest, BadFilesAreRefusedWithTheirLinesAndNothingWritten) {
    const QString path = writeCsv(QByteArray("event,first,last,school\nQQ,A,B,X\n"));
    const CliRun run = RunCli({"roster", "import", "--db", file.path(), path});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("line 2: unknown event \"QQ\"")))
        << run.err.toStdString();

    const QString latin1 = writeCsv(QByteArray("event,first,last,school\nMS,Jos\xE9,B,X\n"));
    EXPECT_TRUE(
        RunCli({"roster", "import", "--db", file.path(), latin1}).err.contains("not UTF-8"));
    EXPECT_EQ(file.count("SELECT COUNT(*) FROM Roster"), 0);
    EXPECT_EQ(RunCli({"roster", "rename", "--db", file.path()}).exitCode, 2);
}

TEST_F(RosterCommandsTest, DrawSavesTheGroupsAndWarnsAboutSplitTeammates) {
    ChampionshipBuilder build(file);
    for (int n = 0; n < 24; ++n) {
        ChampionshipBuilder::Fencer f;
        f.weapon = 1;
        f.number = n;
        f.team = n < 4 ? 7 : n;  // four of one school: one cannot join the other three
        build.addFencer(f);
    }
    const CliRun run = RunCli({"draw", "--db", file.path(), "--event", "MF", "--seed", "42"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith(QStringLiteral("Group A: First Last (")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("Group H:")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("Multiple teammates: Not all teammates")));
    EXPECT_EQ(file.count("SELECT COUNT(*) FROM Roster WHERE \"Group\" < 8 AND Subgroup < 3"), 24);

    const CliRun again = RunCli({"draw", "--db", file.path(), "--event", "MF", "--seed", "42"});
    EXPECT_EQ(again.out, run.out);
    EXPECT_EQ(RunCli({"draw", "--db", file.path(), "--event", "MS"}).err,
              QStringLiteral("orle-cli: You must complete the roster before making groups.\n"));
}

TEST_F(RosterCommandsTest, ARedrawOverRecordedBoutsNeedsForceAndKeepsThem) {
    ChampionshipBuilder build(file);
    build.drawFullEvent(0);
    build.addBout(0, 0, 3, 5, 2, true);
    const QString groups = QStringLiteral(
        "SELECT FencerNumber, \"Group\", Subgroup FROM Roster WHERE Weapon = 0 ORDER BY 1");
    const QString before = RowsText(SortedRows(file.db(), groups));
    const CliRun refused = RunCli({"draw", "--db", file.path(), "--event", "MS", "--seed", "4"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("1 bout(s)"))) << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains(QStringLiteral("--force")));
    EXPECT_TRUE(refused.out.isEmpty());
    EXPECT_EQ(RowsText(SortedRows(file.db(), groups)), before);

    const CliRun forced =
        RunCli({"draw", "--db", file.path(), "--event", "MS", "--seed", "4", "--force"});
    ASSERT_EQ(forced.exitCode, 0) << forced.err.toStdString();
    EXPECT_NE(RowsText(SortedRows(file.db(), groups)), before);
    EXPECT_TRUE(forced.out.contains(QStringLiteral("The recorded bouts are kept")));
    EXPECT_EQ(file.count("SELECT COUNT(*) FROM Results WHERE Weapon = 0"), 2);
}

TEST_F(RosterCommandsTest, ImportRefusesRepeatedFencersUnlessAllowed) {
    const QString path = writeCsv(QStringLiteral("event,first,last,school\n"
                                                 "MS,Ann,Lee,%1\n"
                                                 "MS,ann,lee,%1\n")
                                      .arg(abbreviation(2))
                                      .toUtf8());
    const CliRun refused = RunCli({"roster", "import", "--db", file.path(), path});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("line 3: ann lee")))
        << refused.err.toStdString();
    EXPECT_EQ(file.count("SELECT COUNT(*) FROM Roster"), 0);
    const CliRun allowed =
        RunCli({"roster", "import", "--db", file.path(), "--allow-duplicates", path});
    EXPECT_EQ(allowed.exitCode, 0) << allowed.err.toStdString();
    EXPECT_EQ(file.count("SELECT COUNT(*) FROM Roster"), 2);
}

}  // namespace
