#include "app/frmMain.h"

#include "db/ORLEMain.h"
#include "support/ScriptedPrompter.h"
#include "support/TempChampionship.h"
#include "widgets/frmDayGuide.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <memory>

namespace {

// A main window on its own settings file, as one start of the program.
struct ProgramStart {
    explicit ProgramStart(const QString& ini)
        : state(std::make_unique<RegistrySettings>(ini), [] { return QDate(2026, 12, 8); }),
          window(state, prompter) {
        window.Form_Load();
    }
    QAction* action(const QString& name) { return window.findChild<QAction*>(name); }
    QStringList recentEntries() {
        QStringList texts;
        for (QAction* entry : window.findChild<QMenu*>(QStringLiteral("mRecentFiles"))->actions()) {
            texts << entry->text();
        }
        return texts;
    }

    ScriptedPrompter prompter;
    ORLEMain state;
    frmMain window;
};

class DesktopConventionsTest : public ::testing::Test {
protected:
    QString ini() const { return settingsDir.filePath(QStringLiteral("orle.ini")); }

    QTemporaryDir settingsDir;
};

TEST_F(DesktopConventionsTest, RecentFilesAreListedLatestFirstAndReopenFromTheMenu) {
    TempChampionship first;
    TempChampionship second;
    {
        ProgramStart start(ini());
        EXPECT_TRUE(start.recentEntries().isEmpty());
        EXPECT_FALSE(start.window.findChild<QMenu*>(QStringLiteral("mRecentFiles"))->isEnabled());
        for (const TempChampionship* file : {&first, &second}) {
            start.prompter.files.push_back(file->path());
            start.action(QStringLiteral("mOpen"))->trigger();
        }
        EXPECT_EQ(start.recentEntries(),
                  QStringList({"&1 " + second.path(), "&2 " + first.path()}));
    }
    // The next start lists them still and opens the older one from the menu.
    ProgramStart again(ini());
    EXPECT_EQ(again.state.ConnectString, second.path());
    ASSERT_EQ(again.recentEntries().size(), 2);
    again.action(QStringLiteral("mRecentFile2"))->trigger();
    EXPECT_EQ(again.state.ConnectString, first.path());
    EXPECT_EQ(again.recentEntries(), QStringList({"&1 " + first.path(), "&2 " + second.path()}));
    EXPECT_TRUE(again.prompter.asked.empty());
}

TEST_F(DesktopConventionsTest, ShortcutsIconAndTheHelpMenu) {
    ProgramStart start(ini());
    EXPECT_EQ(start.action(QStringLiteral("mExit"))->shortcut(),
              QKeySequence(QStringLiteral("Ctrl+Q")));
    EXPECT_EQ(start.action(QStringLiteral("mGuide"))->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(start.action(QStringLiteral("mGuide"))->text(),
              QStringLiteral("Championship Day &Guide"));
    EXPECT_NE(start.action(QStringLiteral("mAboutQt")), nullptr);
    EXPECT_NE(start.action(QStringLiteral("mAbout")), nullptr);
    EXPECT_FALSE(start.window.windowIcon().isNull());
    EXPECT_FALSE(start.window.windowIcon().pixmap(16, 16).isNull());
}

// The guide is compiled in, covers the whole championship, and opens once per window:
// asking again raises it; after it is closed it opens afresh.
TEST_F(DesktopConventionsTest, TheChampionshipDayGuideOpensInItsOwnWindow) {
    const QString text = frmDayGuide::GuideText();
    for (const char* heading : {"## Before the day", "## Day one", "## Day two", "## Final Four",
                                "## Publishing", "## When something goes wrong"}) {
        EXPECT_TRUE(text.contains(QLatin1String(heading))) << heading;
    }
    ProgramStart start(ini());
    for (int opening = 0; opening < 2; ++opening) {
        start.action(QStringLiteral("mGuide"))->trigger();
        start.action(QStringLiteral("mGuide"))->trigger();
        const QList<frmDayGuide*> guides = start.window.findChildren<frmDayGuide*>();
        ASSERT_EQ(guides.size(), 1);
        EXPECT_TRUE(guides[0]->isVisible());
        EXPECT_EQ(guides[0]->windowTitle(), QStringLiteral("Championship Day Guide"));
        EXPECT_TRUE(guides[0]->findChild<QTextBrowser*>()->toPlainText().contains(
            QStringLiteral("When something goes wrong")));
        guides[0]->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(start.window.findChildren<frmDayGuide*>().isEmpty());
    }
}

}  // namespace
