#include "entry/frmEnterDual.h"

#include "entry/BoutResults.h"
#include "gui/entry/EntryWindowFixture.h"

#include <QAction>
#include <QPushButton>
#include <QSignalSpy>

namespace {

// Round 2, strip set 1 of event 0: group F (fencers 15..17) against group H (21..23).
// Bout order: bout 0 is position 2 against position 5, i.e. fencer 17 against 23.
class frmEnterDualTest : public EntryWindowFixture {
protected:
    frmEnterDualTest() {
        open();
        state.CurrentRound = 1;
        state.CurrentStripSet = 1;
    }

    QLineEdit* score(frmEnterDual& w, int k) { return box(w, QStringLiteral("Score%1").arg(k)); }
    bool mark(frmEnterDual& w, const char* side, int k) {
        return !w.findChild<QLabel*>(QStringLiteral("lVictory%1%2").arg(QLatin1String(side)).arg(k))
                    ->isHidden();
    }
    QPushButton* button(frmEnterDual& w, const char* name) {
        return w.findChild<QPushButton*>(QLatin1String(name));
    }
};

TEST_F(frmEnterDualTest, AWholeDualTypedWithEnterIsSavedFromTheKeyboard) {
    frmEnterDual w(state, prompter);
    show(w);
    EXPECT_EQ(text(w, QStringLiteral("lRound")), QStringLiteral("Round 2"));
    EXPECT_EQ(text(w, QStringLiteral("lMatchup")), QStringLiteral("Group F vs. Group H"));
    EXPECT_EQ(
        text(w, QStringLiteral("lName0")),
        QStringLiteral("First17 Last17 (%1)")
            .arg(file.db()
                     .queryText(QStringLiteral("SELECT Abbreviation FROM Teams WHERE Team = 17"))
                     .value_or(QString())));
    EXPECT_EQ(focusName(), QStringLiteral("Score0"));
    EXPECT_FALSE(button(w, "bSave")->isEnabled());
    const QStringList typed = {"53", "5 - 1", "v4", "2v", "0-5", "54", "35", "5-0", "V0"};
    for (const QString& s : typed) {
        type(s);
        press(Qt::Key_Return);
    }
    EXPECT_EQ(focusName(), QStringLiteral("bSave"));
    EXPECT_EQ(score(w, 0)->text(), QStringLiteral("5-3"));
    EXPECT_TRUE(mark(w, "L", 0));
    EXPECT_FALSE(mark(w, "R", 0));
    EXPECT_EQ(score(w, 2)->text(), QStringLiteral("4-4"));
    EXPECT_TRUE(mark(w, "L", 2));
    EXPECT_EQ(score(w, 3)->text(), QStringLiteral("2-2"));
    EXPECT_TRUE(mark(w, "R", 3));
    EXPECT_FALSE(mark(w, "L", 3));
    EXPECT_TRUE(button(w, "bSave")->isEnabled());
    press(Qt::Key_Return);
    EXPECT_FALSE(button(w, "bSave")->isEnabled());
    EXPECT_EQ(rows(), 18);
    EXPECT_EQ(BoutResults::Read(file.db(), 0, 17, 23), (BoutScore{5, 3, true}));
    EXPECT_TRUE(prompter.asked.empty());
}

TEST_F(frmEnterDualTest, AnUnreadableScoreIsRefusedAndTheEarlierTextComesBack) {
    ChampionshipBuilder(file).addBout(0, 17, 23, 5, 2, true);
    frmEnterDual w(state, prompter);
    show(w);
    EXPECT_EQ(score(w, 0)->text(), QStringLiteral("5-2"));
    type(QStringLiteral("6-1"));
    press(Qt::Key_Tab);
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].title, QStringLiteral("ERROR"));
    EXPECT_EQ(prompter.asked[0].text, QStringLiteral("Invalid Score"));
    QTest::qWait(20);
    EXPECT_EQ(score(w, 0)->text(), QStringLiteral("5-2"));
    EXPECT_EQ(focusName(), QStringLiteral("Score0"));
    EXPECT_FALSE(button(w, "bSave")->isEnabled());
}

TEST_F(frmEnterDualTest, ANewWinnerAtTheSameTouchesIsAChange) {
    ChampionshipBuilder(file).addBout(0, 17, 23, 4, 4, true);
    frmEnterDual w(state, prompter);
    show(w);
    EXPECT_EQ(score(w, 0)->text(), QStringLiteral("4-4"));
    EXPECT_TRUE(mark(w, "L", 0));
    type(QStringLiteral("4v"));
    press(Qt::Key_Down);
    EXPECT_EQ(score(w, 0)->text(), QStringLiteral("4-4"));
    EXPECT_TRUE(mark(w, "R", 0));
    EXPECT_TRUE(button(w, "bSave")->isEnabled());
    press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(BoutResults::Read(file.db(), 0, 17, 23), (BoutScore{4, 4, false}));
}

TEST_F(frmEnterDualTest, ClearingABoxDeletesTheBoutAndSaveCommitsTheFocusedBox) {
    ChampionshipBuilder(file).addBout(0, 17, 23, 5, 2, true);
    ChampionshipBuilder(file).addBout(0, 15, 22, 5, 2, true);
    frmEnterDual w(state, prompter);
    show(w);
    press(Qt::Key_Delete);
    EXPECT_TRUE(score(w, 0)->text().isEmpty());
    // Still in the box: Save reads it first.
    button(w, "bSave")->click();
    EXPECT_EQ(rows(), 2);
    EXPECT_EQ(BoutResults::Read(file.db(), 0, 17, 23), std::nullopt);
    EXPECT_FALSE(mark(w, "L", 0));
}

TEST_F(frmEnterDualTest, AnExcludedFencersBoxesAreDisabledAndSkipped) {
    file.exec(
        QStringLiteral("UPDATE Roster SET Excluded = -1 WHERE Weapon = 0 AND FencerNumber = 17"));
    ChampionshipBuilder(file).addBout(0, 17, 23, 5, 2, true);
    frmEnterDual w(state, prompter);
    show(w);
    EXPECT_EQ(text(w, QStringLiteral("lName0")), QStringLiteral("EXCLUDED"));
    for (int k : {0, 4, 8}) {
        EXPECT_FALSE(score(w, k)->isEnabled()) << k;
        EXPECT_TRUE(score(w, k)->text().isEmpty()) << k;
    }
    EXPECT_EQ(focusName(), QStringLiteral("Score1"));
    score(w, 7)->setFocus();
    press(Qt::Key_Down);
    EXPECT_EQ(focusName(), QStringLiteral("Score7"));
    score(w, 3)->setFocus();
    press(Qt::Key_Down);
    EXPECT_EQ(focusName(), QStringLiteral("Score5"));
    press(Qt::Key_PageUp);
    EXPECT_EQ(focusName(), QStringLiteral("Score2"));
    press(Qt::Key_PageDown);
    press(Qt::Key_PageDown);
    EXPECT_EQ(focusName(), QStringLiteral("Score5"));
    for (int k : {1, 2, 3, 5, 6, 7}) {
        score(w, k)->setFocus();
        type(QStringLiteral("51"));
    }
    press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(rows(), 14);
    EXPECT_EQ(BoutResults::Read(file.db(), 0, 17, 23), (BoutScore{5, 2, true}));
}

TEST_F(frmEnterDualTest, AltSSavesTheBoxBeingTyped) {
    frmEnterDual w(state, prompter);
    show(w);
    type(QStringLiteral("41"));
    QSignalSpy clicked(button(w, "bSave"), &QPushButton::clicked);
    press(Qt::Key_S, Qt::AltModifier);
    ASSERT_TRUE(clicked.wait(1000));
    EXPECT_EQ(score(w, 0)->text(), QStringLiteral("4-1"));
    EXPECT_FALSE(button(w, "bSave")->isEnabled());
    EXPECT_EQ(BoutResults::Read(file.db(), 0, 17, 23), (BoutScore{4, 1, true}));
}

TEST_F(frmEnterDualTest, AFailedSaveKeepsTheScoresAndSaveEnabled) {
    frmEnterDual w(state, prompter);
    show(w);
    failNextSave();
    type(QStringLiteral("53"));
    press(Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_TRUE(prompter.asked[0].text.contains(QStringLiteral("the disk is full")));
    EXPECT_EQ(score(w, 0)->text(), QStringLiteral("5-3"));
    EXPECT_TRUE(button(w, "bSave")->isEnabled());
    EXPECT_EQ(rows(), 0);
}

TEST_F(frmEnterDualTest, NavigationAsksAboutUnsavedScoresAndRoundOneHandsOverToThePool) {
    frmEnterDual w(state, prompter);
    int handed = 0;
    show(w, [&] { ++handed; });
    type(QStringLiteral("53"));
    prompter.answers = {QMessageBox::Cancel};
    button(w, "bNext")->click();
    EXPECT_EQ(prompter.asked.back().title, QStringLiteral("Save Changes"));
    EXPECT_EQ(prompter.asked.back().text,
              QStringLiteral("Changes have not been saved. Do you want to save now?"));
    EXPECT_EQ(state.CurrentStripSet, 1);
    EXPECT_EQ(score(w, 0)->text(), QStringLiteral("5-3"));

    prompter.answers = {QMessageBox::Yes};
    button(w, "bNextRound")->click();
    EXPECT_EQ(state.CurrentRound, 2);
    EXPECT_EQ(rows(), 2);
    EXPECT_EQ(text(w, QStringLiteral("lRound")), QStringLiteral("Round 3"));

    button(w, "bPrevRound")->click();
    EXPECT_EQ(state.CurrentRound, 1);
    EXPECT_EQ(handed, 0);
    type(QStringLiteral("05"));
    prompter.answers = {QMessageBox::No};
    button(w, "bPrevRound")->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(handed, 1);
    EXPECT_EQ(state.CurrentRound, 0);
    EXPECT_EQ(BoutResults::Read(file.db(), 0, 17, 23), (BoutScore{5, 3, true}));
}

TEST_F(frmEnterDualTest, TheLastRoundAndStripHaveNoWayFurther) {
    state.CurrentRound = 6;
    state.CurrentStripSet = 3;
    frmEnterDual w(state, prompter);
    show(w);
    EXPECT_FALSE(button(w, "bNextRound")->isEnabled());
    EXPECT_FALSE(button(w, "bNext")->isEnabled());
    EXPECT_TRUE(button(w, "bPrev")->isEnabled());
    EXPECT_FALSE(w.findChild<QAction*>(QStringLiteral("mFinalFour"))->isEnabled());
    EXPECT_TRUE(w.findChild<QAction*>(QStringLiteral("mRound6"))->isChecked());
    press(Qt::Key_3, Qt::ControlModifier);
    EXPECT_EQ(state.CurrentWeapon, 2);
    EXPECT_EQ(text(w, QStringLiteral("lStrip")), QStringLiteral("Strip 12"));
}

// `file` is another writer on the same file: the window holds a connection of its own.
TEST_F(frmEnterDualTest, ABoutRecordedElsewhereAfterLoadingIsToldThenShownAsStored) {
    frmEnterDual w(state, prompter);
    show(w);
    ChampionshipBuilder(file).addBout(0, 17, 23, 1, 5, false);
    type(QStringLiteral("53"));
    press(Qt::Key_Return);
    button(w, "bSave")->click();

    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].title, QStringLiteral("Changed Elsewhere"));
    EXPECT_TRUE(prompter.asked[0].text.endsWith(
        QStringLiteral("Bout 1 (First17 Last17 v First23 Last23): typed \"5-3\", stored \"1-5\"")))
        << prompter.asked[0].text.toStdString();
    EXPECT_EQ(score(w, 0)->text(), QStringLiteral("1-5"));
    EXPECT_TRUE(mark(w, "R", 0));
    EXPECT_FALSE(mark(w, "L", 0));
    EXPECT_FALSE(button(w, "bSave")->isEnabled());
    EXPECT_EQ(BoutResults::Read(file.db(), 0, 17, 23), (BoutScore{1, 5, false}));
    EXPECT_EQ(rows(), 2);
}

}  // namespace
