#include "cli/CliRunner.h"
#include "support/ChampionshipBuilder.h"
#include "support/FileBytes.h"
#include "support/FileOnly.h"
#include "support/FullEventResults.h"
#include "support/PdfText.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QProcess>

namespace {

class PublishCommandsTest : public ::testing::Test {
protected:
    PublishCommandsTest() { ChampionshipBuilder(file).drawFullEvent(0); }

    TempChampionship file;
};

}  // namespace

TEST_F(PublishCommandsTest, DownloadWritesBesideTheChampionshipOrWhereAsked) {
    ORLE_ONLY_WITH_A_FILE("a folder of its own to download into");
    const CliRun html = RunCli({"download", "--db", file.path(), "--format", "html"});
    EXPECT_EQ(html.exitCode, 0) << html.err.toStdString();
    const QString beside = file.folder() + QStringLiteral("/ORLE2004.HTML");
    EXPECT_TRUE(html.out.contains(beside));
    EXPECT_TRUE(QFile::exists(beside));

    const QString out = file.folder() + QStringLiteral("/results.txt");
    const CliRun text = RunCli({"download", "--db", file.path(), "--format", "TEXT", "--out", out});
    EXPECT_EQ(text.exitCode, 0) << text.err.toStdString();
    EXPECT_TRUE(ReadBytes(out).startsWith("MEN'S SABER - NO DATA AVAILABLE\r\n"));
}

// `--out -` pipes the download: the same bytes as the file, nothing else on the way.
TEST_F(PublishCommandsTest, DownloadToStandardOutputGivesTheFilesBytes) {
    ORLE_ONLY_WITH_A_FILE("a folder of its own to download into");
    const QString out = file.folder() + QStringLiteral("/results.html");
    ASSERT_EQ(RunCli({"download", "--db", file.path(), "--format", "html", "--out", out}).exitCode,
              0);
    for (const char* place : {"-", "/dev/stdout"}) {
        QProcess cli;
        cli.start(QStringLiteral(ORLE_CLI_PATH),
                  {QStringLiteral("download"), QStringLiteral("--db"), file.path(),
                   QStringLiteral("--format"), QStringLiteral("html"), QStringLiteral("--out"),
                   QLatin1String(place)});
        ASSERT_TRUE(cli.waitForFinished(10000));
        EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
        EXPECT_EQ(cli.readAllStandardOutput(), ReadBytes(out)) << place;
    }
}

TEST_F(PublishCommandsTest, DownloadRefusesAnUnknownFormatOrAnUnwritablePlace) {
    const CliRun format = RunCli({"download", "--db", file.path(), "--format", "pdf"});
    EXPECT_NE(format.exitCode, 0);
    EXPECT_TRUE(format.err.contains(QLatin1String("--format")));
    const CliRun place = RunCli({"download", "--db", file.path(), "--format", "xml", "--out",
                                 file.folder() + QStringLiteral("/no/such/folder.xml")});
    EXPECT_NE(place.exitCode, 0);
}

TEST_F(PublishCommandsTest, ResultReportsPrintTheirTitlesAndLines) {
    ORLE_ONLY_WITH_A_FILE("the year in its name, ORLE2004.mdb");
    FullEventResults(file).fenceAllRounds(0);
    const QString pdf = file.folder() + QStringLiteral("/results.pdf");
    const auto print = [&](const QStringList& words) {
        const CliRun run =
            RunCli(QStringList{QStringLiteral("print")} + words +
                   QStringList{QStringLiteral("--db"), file.path(), QStringLiteral("--pdf"), pdf});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        return PdfText(pdf);
    };
    QString text = print({"individual", "--events", "MS", "--grids"});
    EXPECT_TRUE(text.contains(QLatin1String("2004 ORLE Championships")));
    EXPECT_TRUE(text.contains(QLatin1String("Final Pool Standings")));
    EXPECT_TRUE(text.contains(QLatin1String("Final Pool Table and Standings")));
    EXPECT_TRUE(text.contains(QLatin1String("First23 Last23")));
    EXPECT_EQ(PdfPageCount(pdf), 2);

    text = print({"teams", "--variant", "men,women"});
    EXPECT_TRUE(text.contains(QLatin1String("Men's Teams")));
    EXPECT_TRUE(text.contains(QLatin1String("Women's Teams")));

    text = print({"results"});
    EXPECT_TRUE(text.contains(QLatin1String("Last0, First0")));
    EXPECT_TRUE(text.contains(QLatin1String("Opponent")));

    const CliRun bad =
        RunCli({"print", "teams", "--variant", "mixed", "--db", file.path(), "--pdf", pdf});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(bad.err.contains(QLatin1String("--variant needs")));
}
