#include "cli/CliRunner.h"
#include "support/ChampionshipBuilder.h"
#include "support/FileOnly.h"
#include "support/FullDisk.h"
#include "support/PdfText.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>
#include <QFileInfo>

namespace {

class PrintCommandsTest : public ::testing::Test {
protected:
    PrintCommandsTest() {
        ChampionshipBuilder(file).drawFullEvent(0);
        ChampionshipBuilder(file).drawFullEvent(3);
    }
    CliRun print(const QStringList& words) const {
        return RunCli(
            QStringList{QStringLiteral("print")} + words +
            QStringList{QStringLiteral("--db"), file.path(), QStringLiteral("--pdf"), pdf});
    }

    TempChampionship file;
    QString pdf = file.folder() + QStringLiteral("/out.pdf");
};

}  // namespace

TEST_F(PrintCommandsTest, EachSheetPrintsItsTitlesAndBody) {
    ORLE_ONLY_WITH_A_FILE("the year in its name, ORLE2004.mdb");
    const struct {
        const char* sheet;
        QStringList expected;
    } sheets[] = {
        {"groups",
         {"2004 ORLE Championships", "Men's Saber", "Group Assignments", "Group E",
          "First23 Last23"}},
        {"schedule", {"Schedule", "Round 7", "Strip 4.", "Group A vs. Group B"}},
        {"announcer1", {"Strip Assignments", "ROUND 4", "STRIP 2", "AIR FORCE", "First0 Last0"}},
        {"announcer2", {"Strip Assignments", "ROUND 5", "ROUND 7"}},
        {"referee1",
         {"Strip and Referee Assignments", "ROUND 1", "ROUND 4", "REF", "Last0, First0"}},
        {"referee2", {"ROUND 5", "ROUND 7", "STRIP 4"}},
    };
    for (const auto& s : sheets) {
        const CliRun run =
            print({QLatin1String(s.sheet), QStringLiteral("--event"), QStringLiteral("MS")});
        ASSERT_EQ(run.exitCode, 0) << s.sheet << run.err.toStdString();
        EXPECT_TRUE(run.out.contains(QStringLiteral("pdf: ") + QFileInfo(pdf).absoluteFilePath()));
        const QString text = PdfText(pdf);
        for (const QString& expected : s.expected) {
            EXPECT_TRUE(text.contains(expected)) << s.sheet << ": " << expected.toStdString();
        }
        EXPECT_TRUE(text.contains(QStringLiteral("ORLE Fencing Championship Scoring System")))
            << s.sheet;
    }
    EXPECT_FALSE(PdfText(pdf).contains(QStringLiteral("ROUND 4")));
}

TEST_F(PrintCommandsTest, SeveralEventsGoIntoOnePdfInEventOrder) {
    const CliRun run =
        print({QStringLiteral("groups"), QStringLiteral("--event"), QStringLiteral("3,0")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("pages: 2")));
    ASSERT_EQ(PdfPageCount(pdf), 2);
    EXPECT_TRUE(PdfText(pdf, 1, 1).contains(QStringLiteral("Men's Saber")));
    EXPECT_TRUE(PdfText(pdf, 2, 2).contains(QStringLiteral("Women's Saber")));
}

TEST_F(PrintCommandsTest, CompetitorAndTeamSchedulesFollowTheirChoices) {
    CliRun run = print({QStringLiteral("competitor"), QStringLiteral("--events"),
                        QStringLiteral("0,3"), QStringLiteral("--team"), QStringLiteral("4"),
                        QStringLiteral("--fencer"), QStringLiteral("304")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    ASSERT_EQ(PdfPageCount(pdf), 1);
    QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Brown University - Women's Saber")));
    EXPECT_TRUE(text.contains(QStringLiteral("You will be traveling with:")));
    EXPECT_TRUE(text.contains(QStringLiteral("Round #7, Strip #")));
    EXPECT_TRUE(text.contains(QStringLiteral(
        "Note: The bout order within each round may not be exactly as shown above.")));

    run = print({QStringLiteral("team"), QStringLiteral("--events"), QStringLiteral("0,3"),
                 QStringLiteral("--team"), QStringLiteral("4")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    text = PdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Brown University")));
    EXPECT_TRUE(text.contains(QStringLiteral("Fencer locations by round")));
    EXPECT_TRUE(text.contains(QStringLiteral("Round #7")));
    EXPECT_TRUE(text.contains(QStringLiteral("Women's Saber")));
    EXPECT_TRUE(text.contains(QStringLiteral("Page 1 of 1")));
}

TEST_F(PrintCommandsTest, BadArgumentsAreExplainedAndWriteNothing) {
    const struct {
        QStringList words;
        const char* error;
        int exitCode = 1;
    } cases[] = {
        {{"poster", "--event", "0"}, "unknown sheet poster", 2},
        {{"groups"}, "--event needs events"},
        {{"groups", "--event", "7"}, "--event needs events"},
        {{"groups", "--event", "0", "--colour", "red"}, "unknown option", 2},
        {{"competitor", "--events", "0", "--fencer", "30"}, "--fencer needs"},
        {{"competitor", "--events", "0", "--team", "x"}, "--team needs"},
        {{"team"}, "--events needs events"},
    };
    for (const auto& c : cases) {
        const CliRun run = print(c.words);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.error;
        EXPECT_TRUE(run.err.contains(QLatin1String(c.error))) << run.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(pdf)) << c.error;
    }
    const CliRun noPdf = RunCli({"print", "groups", "--db", file.path(), "--event", "0"});
    EXPECT_EQ(noPdf.exitCode, 2);
    EXPECT_TRUE(noPdf.err.contains(QStringLiteral("--pdf OUT.pdf is required")));
    const CliRun noFile = RunCli(
        {"print", "groups", "--db", file.folder() + "/none.mdb", "--event", "0", "--pdf", pdf});
    EXPECT_EQ(noFile.exitCode, 1);
    const CliRun unwritable = RunCli(
        {"print", "groups", "--db", file.path(), "--event", "0", "--pdf", "/nonexistent/x.pdf"});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_TRUE(unwritable.err.contains(QStringLiteral("x.pdf")));
}

TEST_F(PrintCommandsTest, APdfThatCannotBeWrittenIsAFailureNamingTheFileAndWhy) {
    if (!FullDeviceAvailable()) {
        GTEST_SKIP() << "/dev/full is not the always-full device here";
    }
    const CliRun full =
        RunCli({"print", "groups", "--db", file.path(), "--event", "0", "--pdf", "/dev/full"});
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_TRUE(full.err.contains(QStringLiteral("/dev/full"))) << full.err.toStdString();
    EXPECT_TRUE(full.err.contains(QStringLiteral("No space left on device")))
        << full.err.toStdString();
    EXPECT_TRUE(full.out.isEmpty());
}
