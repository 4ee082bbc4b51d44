#include "entry/frmConfirmInd.h"
#include "gui/entry/EntryWindowFixture.h"
#include "support/FullEventResults.h"

#include <QAction>
#include <QFrame>
#include <QMenu>
#include <QSignalSpy>

namespace {

class frmConfirmIndTest : public EntryWindowFixture {
protected:
    QAction* action(frmConfirmInd& window, const QString& name) {
        auto* found = window.findChild<QAction*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QLabel* label(frmConfirmInd& window, const QString& name) {
        auto* found = window.findChild<QLabel*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    static QColor color(QLabel* l) { return l->palette().color(QPalette::WindowText); }
};

TEST_F(frmConfirmIndTest, ShowsTheFirstFencersRecordInColourWithTotalsBelowIt) {
    open();
    ChampionshipBuilder(file).addBout(0, 0, 1, 5, 3, true);
    ChampionshipBuilder(file).addBout(0, 2, 0, 4, 4, true);
    frmConfirmInd window(state, prompter);
    window.Form_Load();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    EXPECT_EQ(window.windowTitle(), QStringLiteral("Confirm Results"));
    EXPECT_EQ(text(window, QStringLiteral("lWeaponName")), QStringLiteral("Men's Saber"));
    EXPECT_TRUE(action(window, QStringLiteral("mWeapon0"))->isChecked());
    // "Last0, First0" sorts first; the others follow by caption, at most 24 entries.
    EXPECT_TRUE(action(window, QStringLiteral("mFencer0"))->isChecked());
    EXPECT_EQ(action(window, QStringLiteral("mFencer0"))->data().toInt(), 0);
    EXPECT_EQ(action(window, QStringLiteral("mFencer1"))->data().toInt(), 1);
    EXPECT_EQ(action(window, QStringLiteral("mFencer2"))->data().toInt(), 10);
    EXPECT_TRUE(action(window, QStringLiteral("mFencer23"))->isVisible());
    EXPECT_TRUE(text(window, QStringLiteral("lThisFencerName")).startsWith("First0 Last0 ("));
    EXPECT_EQ(label(window, QStringLiteral("lThisFencerName"))->property("tag").toInt(), 0);

    EXPECT_EQ(text(window, QStringLiteral("lRound0")), QStringLiteral("1"));
    EXPECT_EQ(text(window, QStringLiteral("lFencerName0")), QStringLiteral("First1 Last1"));
    EXPECT_EQ(text(window, QStringLiteral("lVictory0")), QStringLiteral("W"));
    EXPECT_EQ(text(window, QStringLiteral("lScore0")), QStringLiteral("5-3"));
    EXPECT_EQ(color(label(window, QStringLiteral("lTeam0"))), QColor(0, 128, 0));
    EXPECT_TRUE(label(window, QStringLiteral("lScore0"))->font().bold());
    EXPECT_EQ(text(window, QStringLiteral("lVictory1")), QStringLiteral("L"));
    EXPECT_EQ(text(window, QStringLiteral("lScore1")), QStringLiteral("4-4"));
    EXPECT_EQ(color(label(window, QStringLiteral("lFencerName1"))), QColor(192, 0, 0));
    // Not yet fenced: black, plain, no result.
    EXPECT_FALSE(label(window, QStringLiteral("lVictory2"))->isVisible());
    EXPECT_EQ(color(label(window, QStringLiteral("lFencerName2"))), QColor(Qt::black));
    EXPECT_FALSE(label(window, QStringLiteral("lFencerName2"))->font().bold());
    EXPECT_EQ(text(window, QStringLiteral("lRound22")), QStringLiteral("7"));
    EXPECT_FALSE(label(window, QStringLiteral("lRound23"))->isVisible());

    EXPECT_EQ(text(window, QStringLiteral("lTotalVictory")), QStringLiteral("1-1"));
    EXPECT_EQ(text(window, QStringLiteral("lTotalScore")), QStringLiteral("9-7"));
    EXPECT_EQ(text(window, QStringLiteral("lInd")), QStringLiteral("+2"));
    auto* line = window.findChild<QFrame*>(QStringLiteral("lineSummary"));
    ASSERT_NE(line, nullptr);
    EXPECT_TRUE(line->isVisible());
    EXPECT_GT(line->y(), label(window, QStringLiteral("lFencerName22"))->y());
}

TEST_F(frmConfirmIndTest, EventsWithoutFencersDisableTheFencerMenu) {
    open();
    ChampionshipBuilder(file).addFencer({2, 5, 3});  // in event 2, but in no group
    frmConfirmInd window(state, prompter);
    window.Form_Load();
    QMenu* fencers = window.findChild<QMenu*>(QStringLiteral("mFencerHdr"));
    ASSERT_NE(fencers, nullptr);

    action(window, QStringLiteral("mWeapon3"))->trigger();
    EXPECT_FALSE(fencers->isEnabled());
    EXPECT_TRUE(text(window, QStringLiteral("lFencerName0")).isEmpty());

    action(window, QStringLiteral("mWeapon2"))->trigger();
    EXPECT_TRUE(fencers->isEnabled());
    EXPECT_FALSE(action(window, QStringLiteral("mFencer1"))->isVisible());
    EXPECT_EQ(text(window, QStringLiteral("lFencerName0")), QStringLiteral("NO RESULTS"));
    EXPECT_TRUE(label(window, QStringLiteral("lFencerName0"))->font().italic());
    EXPECT_TRUE(label(window, QStringLiteral("lTotalVictory"))->isHidden());

    action(window, QStringLiteral("mWeapon1"))->trigger();
    EXPECT_TRUE(fencers->isEnabled());
    EXPECT_TRUE(action(window, QStringLiteral("mFencer0"))->isChecked());
    EXPECT_EQ(text(window, QStringLiteral("lFencerName0")), QStringLiteral("First1 Last1"));
}

// An "&" in a school's abbreviation is part of the name, not an access key.
TEST_F(frmConfirmIndTest, AnAmpersandInANameShowsAsTyped) {
    open();
    file.exec(QStringLiteral("UPDATE Teams SET Abbreviation = 'A&M' WHERE Team = 0"));
    frmConfirmInd window(state, prompter);
    window.Form_Load();
    EXPECT_EQ(action(window, QStringLiteral("mFencer0"))->text(),
              QStringLiteral("Last0, First0 (A&&M)"));
    EXPECT_EQ(text(window, QStringLiteral("lThisFencerName")),
              QStringLiteral("First0 Last0 (A&M)"));
}

TEST_F(frmConfirmIndTest, ChoosingAnotherFencerRereadsTheFile) {
    open();
    frmConfirmInd window(state, prompter);
    window.Form_Load();
    FullEventResults(file).fenceAllRounds(0);
    action(window, QStringLiteral("mFencer1"))->trigger();  // fencer 1
    EXPECT_EQ(label(window, QStringLiteral("lThisFencerName"))->property("tag").toInt(), 1);
    EXPECT_EQ(text(window, QStringLiteral("lTotalVictory")), QStringLiteral("22-1"));
    EXPECT_TRUE(label(window, QStringLiteral("lScore22"))->isVisibleTo(&window));
}

TEST_F(frmConfirmIndTest, AnyKeyClosesTheSheetButAltStillReachesTheMenus) {
    open();
    frmConfirmInd window(state, prompter);
    window.Form_Load();
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(QApplication::focusWidget(), &window);
    QSignalSpy closed(&window, &QDialog::finished);
    QTest::keyClick(&window, Qt::Key_Alt);
    QTest::keyClick(&window, Qt::Key_W, Qt::AltModifier);
    EXPECT_EQ(closed.count(), 0);
    if (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
    }
    QTest::keyClick(&window, Qt::Key_Q);
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
