#include "cli/CliRunner.h"
#include "support/ChampionshipBuilder.h"
#include "support/FullEventResults.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

namespace {

constexpr int kBrowserMs = 90000;

struct Ran {
    int exitCode = -1;
    QString out;
    QString err;
};

Ran run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(kBrowserMs);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// Men's foil fenced to the end and seeded, its winner entered as a script, with the site
// written by the command line.
class LiveSiteBrowserTest : public ::testing::Test {
protected:
    LiveSiteBrowserTest() {
        ChampionshipBuilder(file).drawFullEvent(1);
        FullEventResults(file).fenceAllRounds(1);
        file.exec(
            QStringLiteral("UPDATE Roster SET FName = '<script>alert(1)</script>' WHERE Weapon = 1 "
                           "AND FencerNumber = 0"));
        file.exec(
            QStringLiteral("UPDATE Teams SET FullTeamName = 'Duke & <Durham>', MediumTeamName = "
                           "'Duke & <Durham>' WHERE Team = 1"));
        EXPECT_EQ(RunCli({"seed", "--db", file.path(), "--event", "MF"}).exitCode, 0);
        const CliRun written = RunCli({"publish", "--db", file.path(), "--out", site.path()});
        EXPECT_EQ(written.exitCode, 0) << written.err.toStdString();
    }

    // The page as headless Chromium built it, scripts run; nothing is fetched from the net.
    Ran browse(const QString& page, const QStringList& extra) {
        const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
        QStringList arguments = {"--headless",
                                 "--no-sandbox",
                                 "--disable-gpu",
                                 "--no-first-run",
                                 "--disable-background-networking",
                                 "--disable-component-update",
                                 "--disable-sync",
                                 "--user-data-dir=" + profile.path()};
        arguments << extra << QUrl::fromLocalFile(site.filePath(page)).toString();
        return run(chromium, arguments);
    }

    TempChampionship file;
    QTemporaryDir site;
    QTemporaryDir profile;
};

TEST_F(LiveSiteBrowserTest, EveryPagePassesTidy) {
    const QString tidy = QStandardPaths::findExecutable(QStringLiteral("tidy"));
    if (tidy.isEmpty()) {
        GTEST_SKIP() << "tidy is not installed (scripts/install-deps installs it)";
    }
    const QStringList pages = QDir(site.path()).entryList({"*.html"}, QDir::Files);
    ASSERT_EQ(pages.size(), 8);
    for (const QString& page : pages) {
        // Not even a warning (exit status 1; errors give 2).
        const Ran checked = run(tidy, {"-q", "-e", "-utf8", site.filePath(page)});
        EXPECT_EQ(checked.exitCode, 0) << page.toStdString() << "\n" << checked.err.toStdString();
    }
}

TEST_F(LiveSiteBrowserTest, ChromiumShowsNamesPlacesAndTheBracketAndAScriptNameAsText) {
    if (QStandardPaths::findExecutable(QStringLiteral("chromium")).isEmpty()) {
        GTEST_SKIP() << "chromium is not installed (scripts/install-deps installs it)";
    }
    const Ran dom = browse(QStringLiteral("mf.html"), {"--dump-dom"});
    ASSERT_EQ(dom.exitCode, 0) << dom.err.toStdString();
    EXPECT_TRUE(dom.out.contains(QLatin1String("First5 Last5")));
    EXPECT_TRUE(dom.out.contains(QLatin1String("Final Four")));
    EXPECT_TRUE(dom.out.contains(QLatin1String("Semifinal A")));
    EXPECT_TRUE(dom.out.contains(QLatin1String("<td>Final4</td>")));
    // The name is text in the page: the browser made no script element of it.
    EXPECT_TRUE(dom.out.contains(QLatin1String("&lt;script&gt;alert(1)&lt;/script&gt;")));
    EXPECT_FALSE(dom.out.contains(QLatin1String("<script>alert(1)")));
    EXPECT_TRUE(dom.out.contains(QLatin1String("Duke &amp; &lt;Durham&gt;")));

    // The big screen's script shows one slide and hides the others.
    const Ran screen = browse(QStringLiteral("screen.html"), {"--dump-dom"});
    ASSERT_EQ(screen.exitCode, 0) << screen.err.toStdString();
    EXPECT_EQ(screen.out.count(QLatin1String("class=\"slide\" hidden")), 6);

    const QString shot = site.filePath(QStringLiteral("mf.png"));
    const Ran picture =
        browse(QStringLiteral("mf.html"), {"--screenshot=" + shot, "--window-size=1280,900"});
    EXPECT_EQ(picture.exitCode, 0) << picture.err.toStdString();
    EXPECT_GT(QFileInfo(shot).size(), 10000);
}

}  // namespace
