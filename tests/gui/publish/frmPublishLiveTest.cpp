#include "publish/frmPublishLive.h"

#include "app/frmMain.h"
#include "entry/BoutResults.h"
#include "gui/ChampionshipWindowFixture.h"
#include "publish/LivePublishing.h"
#include "publish/LiveSiteTrigger.h"
#include "support/ChampionshipBuilder.h"
#include "support/FileBytes.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

class frmPublishLiveTest : public ChampionshipWindowFixture {
protected:
    frmPublishLiveTest() {
        ChampionshipBuilder(file).drawFullEvent(0);
        EXPECT_EQ(state.OpenDatabase(file.path()).failure, ChampionshipFile::OpenFailure::None);
    }
    template <class T>
    T* find(QWidget& window, const char* name) {
        T* widget = window.findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString json() const { return QString::fromUtf8(ReadBytes(site.filePath("results.json"))); }
    // The site follows a save a moment later; the save itself never waits for it.
    bool siteShows(const QString& text) {
        QDeadlineTimer deadline(2000);
        while (!deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
            if (json().contains(text)) {
                return true;
            }
        }
        return false;
    }

    QTemporaryDir site;
};

TEST_F(frmPublishLiveTest, PublishingFollowsEverySaveAndStopsWhenAsked) {
    LiveSiteTrigger trigger(state);
    frmPublishLive dialog(state, trigger, prompter);
    dialog.Form_Load();
    EXPECT_TRUE(find<QLineEdit>(dialog, "tFolder")->text().endsWith(QLatin1String("Live Results")));
    EXPECT_FALSE(find<QPushButton>(dialog, "bStop")->isEnabled());
    find<QLineEdit>(dialog, "tFolder")->setText(QDir::toNativeSeparators(site.path()));
    find<QPushButton>(dialog, "bPublish")->click();
    EXPECT_TRUE(QFile::exists(site.filePath("ms.html")));
    EXPECT_TRUE(find<QLabel>(dialog, "lState")->text().contains(site.path()));
    EXPECT_TRUE(find<QPushButton>(dialog, "bStop")->isEnabled());
    EXPECT_TRUE(prompter.asked.empty());

    ASSERT_TRUE(BoutResults::Write(state.connection(), 0, {{0, 1, BoutScore{5, 2, true}}}).ok());
    EXPECT_TRUE(siteShows(QStringLiteral("\"leftMark\":\"5\"")));

    // Opened again, the window shows the folder in use.
    dialog.Form_Load();
    EXPECT_EQ(find<QLineEdit>(dialog, "tFolder")->text(), QDir::toNativeSeparators(site.path()));
    find<QPushButton>(dialog, "bStop")->click();
    EXPECT_FALSE(LivePublishing::Read(state.connection())->has_value());
    EXPECT_FALSE(find<QPushButton>(dialog, "bStop")->isEnabled());
    ASSERT_TRUE(BoutResults::Write(state.connection(), 0, {{0, 1, std::nullopt}}).ok());
    QTest::qWait(3 * LiveSiteTrigger::kDelayMs);
    EXPECT_TRUE(json().contains(QStringLiteral("\"leftMark\":\"5\"")));  // left as it was
}

TEST_F(frmPublishLiveTest, TheMainWindowSaysWhereTheSiteGoesOrWhyItCannot) {
    ASSERT_TRUE(LivePublishing::Remember(state.connection(), site.path()).ok());
    state.CloseDatabase();
    frmMain window(state, prompter);
    window.OpenDatabase(file.path(), true);
    QLabel* live = find<QLabel>(window, "lLiveResults");
    EXPECT_FALSE(live->isHidden());
    EXPECT_TRUE(live->text().contains(QDir::toNativeSeparators(site.path())));
    EXPECT_TRUE(live->text().contains(QLatin1String("last written")));
    EXPECT_TRUE(QFile::exists(site.filePath("index.html")));

    // The folder's place taken by a file: shown, and the save is not touched.
    ASSERT_TRUE(QDir(site.path()).removeRecursively());
    QFile blocker(site.path());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ASSERT_TRUE(BoutResults::Write(state.connection(), 0, {{0, 1, BoutScore{5, 2, true}}}).ok());
    QDeadlineTimer deadline(2000);
    while (!deadline.hasExpired() && !live->text().contains(QLatin1String("could not"))) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    EXPECT_TRUE(live->text().contains(QLatin1String("could not be written")))
        << live->text().toStdString();
}

}  // namespace
