#include "db/ORLEMain.h"
#include "print/RecordingSink.h"
#include "standings/frmShowResults.h"
#include "support/ChampionshipBuilder.h"
#include "support/ScriptedPrompter.h"
#include "support/TempChampionship.h"
#include "widgets/EventColor.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

namespace {

class frmShowResultsTest : public ::testing::Test {
protected:
    void SetUp() override {
        builder.drawFullEvent(0);
        builder.drawFullEvent(1);
        // Fencer 0 (Air Force) beats 1 and 2 in men's saber; fencer 3 beats 4 in men's foil.
        builder.addBout(0, 0, 1, 5, 2, true);
        builder.addBout(0, 0, 2, 5, 3, true);
        builder.addBout(1, 3, 4, 5, 1, true);
        file.exec(
            QStringLiteral("UPDATE Roster SET Team = 0 WHERE Weapon = 1 AND FencerNumber = 3"));
        ASSERT_TRUE(state.OpenDatabase(file.path()).failure == ChampionshipFile::OpenFailure::None);
        state.CurrentWeapon = 1;
        window = std::make_unique<frmShowResults>(state, prompter);
        window->Open();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    template <typename T>
    T* find(const QString& name) {
        T* widget = window->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    QString text(const QString& name) { return find<QLabel>(name)->text(); }
    QString cell(int grid, int row, int column) {
        QTableWidgetItem* item =
            find<QTableWidget>(QStringLiteral("fpResults%1").arg(grid))->item(row, column);
        return item ? item->text() : QString();
    }

    TempChampionship file;
    ChampionshipBuilder builder{file};
    QTemporaryDir settingsDir;
    ORLEMain state{std::make_unique<RegistrySettings>(settingsDir.filePath("orle.ini"))};
    ScriptedPrompter prompter;
    std::unique_ptr<frmShowResults> window;
};

TEST_F(frmShowResultsTest, OpensOnTheCurrentEventWithItsColour) {
    EXPECT_EQ(window->windowTitle(), "Standings - Men's Foil");
    EXPECT_EQ(text("lReportName"), "Men's Foil");
    EXPECT_EQ(find<QLabel>("lReportName")->property("tag").toString(), "MF");
    EXPECT_EQ(text("lLastRound"), "Standings During Round 1");
    EXPECT_EQ(find<QTableWidget>("fpResults0")->rowCount(), 2);
    EXPECT_EQ(cell(0, 0, 1), "First3 Last3");
    EXPECT_EQ(cell(0, 0, 3), "1/1");
    EXPECT_EQ(cell(0, 0, 4), "1.000");
    EXPECT_EQ(cell(0, 0, 7), "+4");
    EXPECT_EQ(cell(0, 0, 9), "3") << "the grid row of group B, place 0";
    EXPECT_EQ(cell(0, 0, 12), "1");
    EXPECT_EQ(window->palette().color(QPalette::Window), EventQColor(state.EventColors[1]));
    EXPECT_TRUE(find<QAction>("mWeapon1")->isChecked());
    EXPECT_TRUE(find<QPushButton>("bPrint")->isEnabled());
    EXPECT_TRUE(find<QPushButton>("bDownload")->isEnabled());
}

TEST_F(frmShowResultsTest, WeaponMenuAndCtrlDigitsSwitchEvents) {
    QTest::keyClick(window.get(), Qt::Key_1, Qt::ControlModifier);
    EXPECT_EQ(find<QScrollBar>("hsReport0")->value(), 0);
    EXPECT_EQ(window->windowTitle(), "Standings - Men's Saber");
    EXPECT_EQ(cell(0, 0, 0), "1");
    EXPECT_EQ(cell(0, 0, 1), "First0 Last0");
    EXPECT_EQ(cell(0, 1, 1), "First2 Last2");

    QTest::keyClick(window.get(), Qt::Key_6, Qt::ControlModifier | Qt::KeypadModifier);

    EXPECT_EQ(text("lReportName"), "Women's Ep\u00e9e");
    EXPECT_EQ(text("lLastRound"), "NO DATA AVAILABLE");
    EXPECT_EQ(find<QTableWidget>("fpResults0")->rowCount(), 0);

    find<QAction>("mWeapon2")->trigger();
    EXPECT_EQ(text("lReportName"), "Men's Ep\u00e9e");
}

TEST_F(frmShowResultsTest, SchoolTabShowsTheChosenVariant) {
    find<QTabWidget>("tabCategory")->setCurrentIndex(1);
    EXPECT_EQ(window->windowTitle(), "Standings - Teams");
    EXPECT_TRUE(text("lLastRound").isEmpty());
    EXPECT_EQ(find<QLabel>("lReportName")->property("tag").toString(), "TM");
    EXPECT_FALSE(find<QAction>("mWeapon0")->isEnabled());
    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xFF));
    EXPECT_EQ(find<QTableWidget>("fpResults1")->horizontalHeaderItem(4)->text(), "MS");
    EXPECT_EQ(cell(1, 0, 1), "U.S. Air Force Academy");
    EXPECT_EQ(cell(1, 0, 2), "3");
    EXPECT_EQ(cell(1, 0, 4), "2");
    EXPECT_EQ(cell(1, 0, 5), "1");

    find<QScrollBar>("hsReport1")->setValue(1);
    EXPECT_EQ(text("lReportName"), "Men's Teams");
    find<QScrollBar>("hsReport1")->setValue(2);
    EXPECT_EQ(text("lReportName"), "Women's Teams");
    EXPECT_EQ(find<QTableWidget>("fpResults1")->rowCount(), 0);

    find<QTabWidget>("tabCategory")->setCurrentIndex(0);
    EXPECT_TRUE(find<QAction>("mWeapon0")->isEnabled());
    EXPECT_EQ(window->windowTitle(), "Standings - Men's Foil");
}

TEST_F(frmShowResultsTest, ActivationShowsResultsSavedMeanwhile) {
    builder.addBout(1, 5, 3, 5, 4, true);
    EXPECT_EQ(find<QTableWidget>("fpResults0")->rowCount(), 2);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(window.get(), &activate);
    EXPECT_EQ(find<QTableWidget>("fpResults0")->rowCount(), 3);
    EXPECT_EQ(cell(0, 0, 1), "First5 Last5");
}

TEST_F(frmShowResultsTest, AFailureIsToldOnceThoughEveryActivationRefreshes) {
    file.exec(QStringLiteral("PRAGMA foreign_keys = OFF"));
    file.exec(QStringLiteral("DROP TABLE Teams"));
    for (int i = 0; i < 3; ++i) {
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(window.get(), &activate);
    }
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked.front().title, "Database Error");
    EXPECT_TRUE(prompter.asked.front().text.contains(QStringLiteral("Teams")));
}

TEST_F(frmShowResultsTest, TheGridHandsTheFocusToTheEventScrollBar) {
    find<QTableWidget>("fpResults0")->setFocus();
    EXPECT_TRUE(QTest::qWaitFor([&] { return find<QScrollBar>("hsReport0")->hasFocus(); }, 1000));
}

TEST_F(frmShowResultsTest, DoGridPrintsTheTableLandscapeUnderItsJobName) {
    RecordingSink sink;
    PlaceOf placeOf{};
    placeOf[0] = 1;
    ASSERT_TRUE(
        window->DoGrid(0, 1, QStringLiteral("Standings After Round 4"), placeOf, sink).ok());
    ASSERT_EQ(sink.documents.size(), 1);
    const PrintDocument& printed = sink.documents.first();
    EXPECT_EQ(printed.jobName, "ORLE Results - Men's Saber");
    EXPECT_TRUE(printed.landscape);
    ASSERT_EQ(printed.pages.size(), 1);
    const QStringList texts = printed.texts(0);
    EXPECT_TRUE(texts.contains("2004 ORLE Championships"));
    EXPECT_TRUE(texts.contains("Table and Standings After Round 4"));
    EXPECT_TRUE(texts.contains("First0 Last0"));
    EXPECT_TRUE(texts.contains("V5"));
}

}  // namespace

TEST_F(frmShowResultsTest, TheTitleRaceStandsBesideTheSchoolStandings) {
    find<QTabWidget>("tabCategory")->setCurrentIndex(1);
    QTableWidget* race = find<QTableWidget>("fpTitleRace");
    ASSERT_TRUE(race->isVisible());
    // Every school with a fencer in the events, those without a result too.
    EXPECT_EQ(race->rowCount(), 24);
    EXPECT_EQ(race->item(0, 0)->text(), "U.S. Air Force Academy");
    EXPECT_EQ(race->item(0, 1)->text(), "3");
    EXPECT_EQ(race->item(0, 4)->text(), "Yes");
    // Both grids share the tab: the school grid keeps its place and its columns.
    EXPECT_LT(find<QTableWidget>("fpResults1")->geometry().right(),
              race->mapTo(race->window(), QPoint(0, 0)).x());
    find<QScrollBar>("hsReport1")->setValue(2);
    EXPECT_EQ(race->rowCount(), 0);
}

TEST_F(frmShowResultsTest, TheFinalFourRaceStandsBesideTheEventStandings) {
    QTableWidget* race = find<QTableWidget>("fpFinalFourRace");
    ASSERT_TRUE(race->isVisible());
    ASSERT_EQ(race->rowCount(), 2);  // men's foil: fencer 3 beat fencer 4
    EXPECT_EQ(race->item(0, 1)->text(), "1");
    EXPECT_EQ(race->item(0, 2)->text(), "23");  // one won, 22 to fence
    EXPECT_EQ(race->item(0, 3)->text(), "Yes");
    // Once the four are seeded, only those who advanced are still in it.
    file.exec(QStringLiteral("UPDATE Roster SET Advanced = -1 WHERE Weapon = 1 AND FencerNumber = 3"));
    file.exec(QStringLiteral("INSERT INTO FinalFour (Weapon, Bout, TopFencer, BottomFencer, Winner, "
                             "Score) VALUES (1, 0, 3, 4, 99, '')"));
    window->Reload();
    EXPECT_EQ(race->item(0, 3)->text(), "Yes");
    EXPECT_EQ(race->item(1, 3)->text(), "No");
}
