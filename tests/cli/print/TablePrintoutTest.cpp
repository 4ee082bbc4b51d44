#include "cli/CliRunner.h"
#include "support/ChampionshipBuilder.h"
#include "support/FullEventResults.h"
#include "support/PdfText.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>

namespace {

TEST(TablePrintoutTest, PrintsTheTableOfACompletedPoolWithPlaces) {
    TempChampionship file;
    ChampionshipBuilder(file).drawFullEvent(1);
    FullEventResults(file).fenceAllRounds(1);
    file.exec(
        QStringLiteral("UPDATE Roster SET Excluded = -1 WHERE Weapon = 1 AND FencerNumber = 23"));
    const QString pdf = file.folder() + QStringLiteral("/table.pdf");
    const CliRun run =
        RunCli({"print", "table", "--db", file.path(), "--event", "MF", "--pdf", pdf});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(PdfPageCount(pdf), 1);
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Men's Foil")));
    EXPECT_TRUE(text.contains(QStringLiteral("Final Pool Table and Standings")));
    EXPECT_TRUE(text.contains(QStringLiteral("exc")));
    // The lower number always wins, so fencer 0 wins all 22 bouts that count and is first.
    const QString first =
        text.split(QLatin1Char('\n')).filter(QStringLiteral("First0 Last0")).value(0).simplified();
    EXPECT_TRUE(first.endsWith(QStringLiteral("22 110 43 +67 1"))) << first.toStdString();
}

TEST(TablePrintoutTest, NeedsOneEvent) {
    TempChampionship file;
    const CliRun run = RunCli({"print", "table", "--db", file.path(), "--event", "0,1", "--pdf",
                               file.folder() + QStringLiteral("/t.pdf")});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.err.contains(QStringLiteral("--event")));
}

}  // namespace
