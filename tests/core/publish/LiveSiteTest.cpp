#include "publish/LivePublishing.h"
#include "publish/LiveSite.h"
#include "publish/LiveSiteData.h"

#include "support/ChampionshipBuilder.h"
#include "support/FullEventResults.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

namespace {

const QDateTime kNow(QDate(2004, 3, 6), QTime(14, 30));

class LiveSiteTest : public ::testing::Test {
protected:
    LiveSiteTest() {
        ChampionshipBuilder(file).drawFullEvent(0);
        results.fenceRound(0, 0);
    }

    std::vector<SiteFile> files() {
        LiveSiteData data;
        const Status loaded = LoadLiveSiteData(file.db(), QStringLiteral("2004"), kNow, data);
        EXPECT_TRUE(loaded.ok()) << loaded.message().toStdString();
        return LiveSiteFiles(data);
    }
    QString page(const QString& name) {
        for (const SiteFile& f : files()) {
            if (f.name == name) {
                return QString::fromUtf8(f.bytes);
            }
        }
        ADD_FAILURE() << "no page " << name.toStdString();
        return QString();
    }
    QJsonObject json() { return QJsonDocument::fromJson(page("results.json").toUtf8()).object(); }
    void rename(int fencer, const QString& first, const QString& school) {
        file.exec(
            QStringLiteral("UPDATE Roster SET FName = ? WHERE Weapon = 0 AND FencerNumber = ?"),
            {first, fencer});
        file.exec(
            QStringLiteral("UPDATE Teams SET MediumTeamName = ?, FullTeamName = ? WHERE Team = ?"),
            {school, school, fencer});
    }

    TempChampionship file;
    FullEventResults results{file};
    QTemporaryDir site;
};

TEST_F(LiveSiteTest, EveryPageIsAWholeSelfContainedHtml5Page) {
    QStringList names;
    for (const SiteFile& f : files()) {
        names << f.name;
        if (!f.name.endsWith(QLatin1String(".html"))) {
            continue;
        }
        const QString html = QString::fromUtf8(f.bytes);
        EXPECT_TRUE(html.startsWith(QLatin1String("<!DOCTYPE html>"))) << f.name.toStdString();
        EXPECT_TRUE(html.contains(QLatin1String("<meta charset=\"utf-8\">")));
        // Nothing is fetched from elsewhere: no links out, no external scripts or fonts.
        EXPECT_FALSE(html.contains(QLatin1String("http"))) << f.name.toStdString();
        EXPECT_FALSE(html.contains(QLatin1String("src="))) << f.name.toStdString();
        EXPECT_FALSE(html.contains(QLatin1String("@import"))) << f.name.toStdString();
        EXPECT_TRUE(html.contains(QLatin1String("href=\"we.html\"")));
    }
    EXPECT_EQ(names, QStringList({"index.html", "ms.html", "mf.html", "me.html", "ws.html",
                                  "wf.html", "we.html", "screen.html", "results.json"}));
    EXPECT_TRUE(page("index.html").contains(QLatin1String("location.reload")));
    EXPECT_TRUE(page("screen.html").contains(QLatin1String("class=\"slide\"")));
}

TEST_F(LiveSiteTest, NamesAndSchoolsShowAsTextNeverAsMarkup) {
    rename(0, QStringLiteral("<script>alert(1)</script>"), QStringLiteral("Duke & <Durham>"));
    for (const QString& name :
         {QStringLiteral("ms.html"), QStringLiteral("screen.html"), QStringLiteral("index.html")}) {
        const QString html = page(name);
        EXPECT_FALSE(html.contains(QLatin1String("<script>alert"))) << name.toStdString();
        EXPECT_FALSE(html.contains(QLatin1String("<Durham>"))) << name.toStdString();
        EXPECT_TRUE(html.contains(QLatin1String("Duke &amp; &lt;Durham&gt;")))
            << name.toStdString();
    }
    EXPECT_TRUE(page("ms.html").contains(QLatin1String("&lt;script&gt;alert(1)&lt;/script&gt;")));
    // The data file keeps the names as typed; JSON quoting keeps them data.
    const QJsonObject first =
        json()["events"].toArray()[0].toObject()["standings"].toArray()[0].toObject();
    EXPECT_TRUE(first["name"].toString().startsWith(QLatin1String("<script>alert(1)</script>")));
}

TEST_F(LiveSiteTest, TheDataFileHoldsStandingsAndTheTitleRace) {
    const QJsonObject root = json();
    const QJsonArray events = root["events"].toArray();
    ASSERT_EQ(events.size(), 6);
    const QJsonObject ms = events[0].toObject();
    EXPECT_EQ(ms["code"].toString(), QStringLiteral("MS"));
    EXPECT_FALSE(ms["progress"].toString().isEmpty());
    const QJsonObject leader = ms["standings"].toArray()[0].toObject();
    EXPECT_EQ(leader["place"].toString(), QStringLiteral("1T"));  // every pool has its 5-0
    EXPECT_EQ(leader["fencer"].toInt(), 0);
    EXPECT_EQ(leader["v"].toInt(), 5);  // the lowest number wins every pool bout
    EXPECT_DOUBLE_EQ(leader["pct"].toDouble(), 1.0);
    EXPECT_EQ(leader["finalFour"].toString(), QStringLiteral("in reach"));
    EXPECT_TRUE(ms["finalFour"].isNull());
    EXPECT_EQ(events[5].toObject()["code"].toString(), QStringLiteral("WE"));

    const QJsonArray all = root["teams"].toObject()["all"].toArray();
    ASSERT_EQ(all.size(), 24);
    const QJsonObject top = all[0].toObject();
    EXPECT_EQ(top["total"].toInt(), 5);
    EXPECT_EQ(top["left"].toInt(), 18);
    EXPECT_EQ(top["max"].toInt(), 23);
    EXPECT_TRUE(top["contender"].toBool());
    EXPECT_TRUE(root["teams"].toObject()["women"].toArray().isEmpty());
}

TEST_F(LiveSiteTest, RewritingReplacesOnlyChangedFilesAndLeavesNoTemporaryOnes) {
    int written = 0;
    ASSERT_TRUE(WriteLiveSite(file.db(), site.path(), kNow, &written).ok());
    EXPECT_EQ(written, 9);
    const QString page = site.filePath(QStringLiteral("wf.html"));
    const QDateTime old = QDateTime::currentDateTime().addDays(-1);
    QFile touched(page);
    ASSERT_TRUE(touched.open(QIODevice::ReadWrite));
    ASSERT_TRUE(touched.setFileTime(old, QFileDevice::FileModificationTime));
    touched.close();

    results.fenceRound(0, 1);
    ASSERT_TRUE(WriteLiveSite(file.db(), site.path(), kNow, &written).ok());
    // Men's saber moved on; the schools, the big screen and the data file with it.
    EXPECT_EQ(written, 4);
    EXPECT_EQ(QFileInfo(page).lastModified(), old);
    EXPECT_EQ(QDir(site.path()).entryList(QDir::Files | QDir::Hidden).size(), 9);
}

TEST_F(LiveSiteTest, AFolderThatCannotBeWrittenIsToldInPlainWords) {
    const QString blocked = site.filePath(QStringLiteral("blocked"));
    ASSERT_TRUE(QFile(blocked).open(QIODevice::WriteOnly));  // a file where the folder should be
    const Status s = WriteLiveSite(file.db(), blocked + QStringLiteral("/site"), kNow);
    ASSERT_FALSE(s.ok());
    EXPECT_TRUE(s.message().contains(QLatin1String("live results folder")))
        << s.message().toStdString();
}

TEST_F(LiveSiteTest, TheFolderIsKeptForTheMachineThatChoseIt) {
    ASSERT_TRUE(LivePublishing::FolderHere(file.db()).ok());
    EXPECT_FALSE(LivePublishing::FolderHere(file.db())->has_value());  // older files: no table
    ASSERT_TRUE(LivePublishing::Remember(file.db(), site.path(), QStringLiteral("table-1")).ok());
    EXPECT_EQ(*LivePublishing::FolderHere(file.db(), QStringLiteral("table-1")), site.path());
    // A copy of the file taken to another machine does not publish over the site.
    EXPECT_FALSE(LivePublishing::FolderHere(file.db(), QStringLiteral("laptop"))->has_value());
    ASSERT_TRUE(LivePublishing::Remember(file.db(), site.path(), QStringLiteral("laptop")).ok());
    EXPECT_EQ(file.count(QStringLiteral("SELECT count(*) FROM LivePublishing")), 1);
    ASSERT_TRUE(LivePublishing::Forget(file.db()).ok());
    EXPECT_FALSE(LivePublishing::Read(file.db())->has_value());
}

}  // namespace
