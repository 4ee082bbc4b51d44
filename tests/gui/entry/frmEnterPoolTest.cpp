#include "entry/frmEnterPool.h"

#include "db/Snapshots.h"
#include "entry/BoutResults.h"
#include "gui/entry/EntryWindowFixture.h"
#include "support/FullEventResults.h"
#include "support/ReadValue.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>

namespace {

class frmEnterPoolTest : public EntryWindowFixture {
protected:
    frmEnterPoolTest() { open(); }

    Qt::CheckState dataState(frmEnterPool& w) const {
        return w.findChild<QCheckBox*>(QStringLiteral("cbDataToSave"))->checkState();
    }
    QString cell(frmEnterPool& w, int index) {
        return box(w, QStringLiteral("lScore%1").arg(index))->text();
    }
    // The mark typed at cell (r, c) in the full-pool walk: lower places win 5-x.
    static QString markAt(int r, int c) {
        return r < c ? QStringLiteral("5") : QString::number((r + c) % 5);
    }
};

TEST_F(frmEnterPoolTest, AWholePoolTypedByKeyboardIsCheckedTotalledAndSavedWithF5) {
    frmEnterPool w(state, prompter);
    show(w);
    EXPECT_EQ(focusName(), QStringLiteral("lScore1"));
    EXPECT_EQ(text(w, QStringLiteral("lFencerName0")), QStringLiteral("First0 Last0"));
    EXPECT_EQ(text(w, QStringLiteral("lMatchup")), QStringLiteral("Group A vs. Group B"));
    EXPECT_EQ(text(w, QStringLiteral("lStrip")), QStringLiteral("Strip 1"));
    for (int r = 0; r < 6; ++r) {
        for (int c = 0; c < 6; ++c) {
            if (r != c) {
                ASSERT_EQ(focusName(), QStringLiteral("lScore%1").arg(10 * r + c));
                type(markAt(r, c));
            }
        }
    }
    EXPECT_EQ(focusName(), QStringLiteral("lScore1"));
    EXPECT_EQ(dataState(w), Qt::PartiallyChecked);
    EXPECT_TRUE(text(w, QStringLiteral("lVict0")).isEmpty());
    press(Qt::Key_F5);
    EXPECT_TRUE(prompter.asked.empty()) << prompter.texts().join('|').toStdString();
    EXPECT_EQ(dataState(w), Qt::Unchecked);
    EXPECT_EQ(rows(), 30);
    EXPECT_EQ(text(w, QStringLiteral("lVict0")), QStringLiteral("5"));
    EXPECT_EQ(text(w, QStringLiteral("lVict5")), QStringLiteral("0"));
    EXPECT_EQ(text(w, QStringLiteral("lTS1")), QStringLiteral("21"));
    EXPECT_EQ(text(w, QStringLiteral("lInd0")), QStringLiteral("+15"));
    EXPECT_EQ(Value(BoutResults::Read(file.db(), 0, 4, 1)), (BoutScore{0, 5, false}));
}

TEST_F(frmEnterPoolTest, AHalfTypedBoutIsRefusedAndTheQuestionComesBackOnMoving) {
    frmEnterPool w(state, prompter);
    show(w);
    type(QStringLiteral("5"));
    press(Qt::Key_F5);
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].title, QStringLiteral("Invalid result"));
    EXPECT_EQ(prompter.asked[0].text, QStringLiteral("Invalid data in bout 1-2"));
    EXPECT_EQ(dataState(w), Qt::PartiallyChecked);
    EXPECT_EQ(rows(), 0);

    // Cancel stays; No drops the edits and moves on.
    prompter.answers = {QMessageBox::Cancel, QMessageBox::No};
    w.findChild<QPushButton*>(QStringLiteral("bNext"))->click();
    EXPECT_EQ(prompter.asked.back().text,
              QStringLiteral("Data has not been saved. Would you like to save it before moving?"));
    EXPECT_EQ(state.CurrentStripSet, 0);
    w.findChild<QPushButton*>(QStringLiteral("bNext"))->click();
    EXPECT_EQ(state.CurrentStripSet, 1);
    EXPECT_EQ(dataState(w), Qt::Unchecked);
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(text(w, QStringLiteral("lFencerName0")), QStringLiteral("First6 Last6"));
}

TEST_F(frmEnterPoolTest, StoredBoutsLoadWithVForAWinAtEqualTouchesAndBrokenPairsAsEmpty) {
    ChampionshipBuilder(file).addBout(0, 4, 1, 3, 3, true);
    ChampionshipBuilder(file).addBout(0, 0, 5, 5, 2, true);
    file.exec(QStringLiteral("UPDATE Results SET Victory = -1 WHERE FencerNumber = 5"));
    frmEnterPool w(state, prompter);
    show(w);
    EXPECT_EQ(cell(w, 41), QStringLiteral("V"));
    EXPECT_EQ(cell(w, 14), QStringLiteral("3"));
    EXPECT_EQ(cell(w, 5), QString());
    EXPECT_EQ(cell(w, 50), QString());
    EXPECT_TRUE(prompter.asked.empty());
    EXPECT_EQ(text(w, QStringLiteral("lVict4")), QStringLiteral("1"));
    EXPECT_EQ(text(w, QStringLiteral("lInd1")), QStringLiteral("+0"));
    EXPECT_EQ(dataState(w), Qt::Unchecked);
}

TEST_F(frmEnterPoolTest, TeammatesExchangedOnScreenAreSavedUnderTheirOwnNumbers) {
    file.exec(QStringLiteral("UPDATE Roster SET Team = 2 WHERE Weapon = 0 AND FencerNumber = 5"));
    frmEnterPool w(state, prompter);
    show(w);
    EXPECT_EQ(text(w, QStringLiteral("lFencerName1")), QStringLiteral("First3 Last3"));
    EXPECT_EQ(text(w, QStringLiteral("lFencerName3")), QStringLiteral("First1 Last1"));
    type(QStringLiteral("v"));
    box(w, QStringLiteral("lScore10"))->setFocus();
    type(QStringLiteral("2"));
    press(Qt::Key_F5);
    EXPECT_EQ(Value(BoutResults::Read(file.db(), 0, 0, 3)), (BoutScore{2, 2, true}));
    EXPECT_EQ(rows(), 2);
}

TEST_F(frmEnterPoolTest, ExcludedFencersCellsAreSkippedAndTheirBoutsKept) {
    ChampionshipBuilder(file).addBout(0, 1, 2, 5, 0, true);
    file.exec(
        QStringLiteral("UPDATE Roster SET Excluded = -1 WHERE Weapon = 0 AND FencerNumber = 2"));
    frmEnterPool w(state, prompter);
    show(w);
    EXPECT_EQ(text(w, QStringLiteral("lFencerName2")), QStringLiteral("EXCLUDED"));
    EXPECT_TRUE(text(w, QStringLiteral("lTeam2")).isEmpty());
    EXPECT_FALSE(box(w, QStringLiteral("lScore12"))->isEnabled());
    type(QStringLiteral("5"));
    EXPECT_EQ(focusName(), QStringLiteral("lScore3"));
    box(w, QStringLiteral("lScore15"))->setFocus();
    press(Qt::Key_Right);
    EXPECT_EQ(focusName(), QStringLiteral("lScore30"));
    press(Qt::Key_Up);
    EXPECT_EQ(focusName(), QStringLiteral("lScore10"));
    type(QStringLiteral("3"));
    press(Qt::Key_F5);
    EXPECT_EQ(rows(), 4);
    EXPECT_EQ(Value(BoutResults::Read(file.db(), 0, 2, 1)), (BoutScore{0, 5, false}));
}

TEST_F(frmEnterPoolTest, KeysOtherThanMarksAreIgnoredAndSpaceOrDeleteClear) {
    frmEnterPool w(state, prompter);
    show(w);
    type(QStringLiteral("x"));
    EXPECT_EQ(cell(w, 1), QString());
    EXPECT_EQ(focusName(), QStringLiteral("lScore1"));
    type(QStringLiteral("8"));
    EXPECT_EQ(cell(w, 1), QString());
    type(QStringLiteral("4"));
    press(Qt::Key_Left);
    type(QStringLiteral(" "));
    EXPECT_EQ(cell(w, 1), QString());
    EXPECT_EQ(focusName(), QStringLiteral("lScore2"));
    type(QStringLiteral("V"));
    press(Qt::Key_Left);
    press(Qt::Key_Delete);
    EXPECT_EQ(cell(w, 2), QString());
    EXPECT_EQ(dataState(w), Qt::PartiallyChecked);
}

TEST_F(frmEnterPoolTest, AFailedSaveTellsTheUserAndKeepsTheMarks) {
    frmEnterPool w(state, prompter);
    show(w);
    failNextSave();
    type(QStringLiteral("5"));
    box(w, QStringLiteral("lScore10"))->setFocus();
    type(QStringLiteral("3"));
    press(Qt::Key_F5);
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_TRUE(prompter.asked[0].text.contains(QStringLiteral("the disk is full")));
    EXPECT_EQ(cell(w, 1), QStringLiteral("5"));
    EXPECT_EQ(dataState(w), Qt::PartiallyChecked);
    EXPECT_EQ(rows(), 0);
}

TEST_F(frmEnterPoolTest, EscapeAsksBeforeExitingAndTheWindowHandsOverToDuals) {
    frmEnterPool w(state, prompter);
    int handed = 0;
    show(w, [&] { ++handed; });
    type(QStringLiteral("5"));
    box(w, QStringLiteral("lScore10"))->setFocus();
    type(QStringLiteral("3"));
    prompter.answers = {QMessageBox::Cancel};
    press(Qt::Key_Escape);
    EXPECT_EQ(prompter.asked.back().text,
              QStringLiteral("Data has not been saved. Would you like to save it before exiting?"));
    EXPECT_TRUE(w.isVisible());

    prompter.answers = {QMessageBox::Yes};
    w.findChild<QPushButton*>(QStringLiteral("bNextRound"))->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(handed, 1);
    EXPECT_EQ(state.CurrentRound, 1);
    EXPECT_EQ(rows(), 2);
}

TEST_F(frmEnterPoolTest, CtrlDigitsSwitchEventsAndTheFinalFourStaysUnavailable) {
    frmEnterPool w(state, prompter);
    show(w);
    EXPECT_EQ(text(w, QStringLiteral("lWeaponName")), QStringLiteral("Men's Saber"));
    press(Qt::Key_2, Qt::ControlModifier);
    EXPECT_EQ(state.CurrentWeapon, 1);
    EXPECT_EQ(text(w, QStringLiteral("lWeaponName")), QStringLiteral("Men's Foil"));
    EXPECT_EQ(text(w, QStringLiteral("lStrip")), QStringLiteral("Strip 5"));
    press(Qt::Key_1, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(state.CurrentWeapon, 0);
    EXPECT_FALSE(w.findChild<QAction*>(QStringLiteral("mFinalFour"))->isEnabled());
    EXPECT_FALSE(w.findChild<QPushButton*>(QStringLiteral("bPrev"))->isEnabled());
}

// `file` is another writer on the same file: the window holds a connection of its own.
TEST_F(frmEnterPoolTest, ABoutRecordedElsewhereAfterLoadingIsToldThenShownAsStored) {
    frmEnterPool w(state, prompter);
    show(w);
    ChampionshipBuilder(file).addBout(0, 0, 1, 2, 5, false);
    ChampionshipBuilder(file).addBout(0, 2, 3, 5, 4, true);
    type(QStringLiteral("5"));  // place 1 against place 2
    box(w, QStringLiteral("lScore10"))->setFocus(Qt::OtherFocusReason);
    type(QStringLiteral("3"));
    press(Qt::Key_F5);

    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].title, QStringLiteral("Changed Elsewhere"));
    EXPECT_TRUE(prompter.asked[0].text.endsWith(
        QStringLiteral("Bout 1-2 (First0 Last0 v First1 Last1): typed \"5-3\", stored \"2-5\"")))
        << prompter.asked[0].text.toStdString();
    EXPECT_EQ(cell(w, 1), QStringLiteral("2"));
    EXPECT_EQ(cell(w, 10), QStringLiteral("5"));
    EXPECT_EQ(text(w, QStringLiteral("lVict1")), QStringLiteral("1"));
    EXPECT_EQ(dataState(w), Qt::Unchecked);
    EXPECT_EQ(Value(BoutResults::Read(file.db(), 0, 0, 1)), (BoutScore{2, 5, false}));
    EXPECT_EQ(Value(BoutResults::Read(file.db(), 0, 2, 3)), (BoutScore{5, 4, true}));
    EXPECT_EQ(rows(), 4);
}

TEST_F(frmEnterPoolTest, TheSaveThatCompletesRoundOneKeepsASnapshot) {
    FullEventResults(file).fenceRound(0, 0);
    file.exec(
        QStringLiteral("DELETE FROM Results WHERE Weapon = 0 AND FencerNumber IN (0, 1) "
                       "AND Opponent IN (0, 1)"));
    frmEnterPool w(state, prompter);
    show(w);
    type(QStringLiteral("v"));
    box(w, QStringLiteral("lScore10"))->setFocus();
    type(QStringLiteral("2"));
    press(Qt::Key_F5);
    EXPECT_EQ(Value(BoutResults::Read(file.db(), 0, 0, 1)), (BoutScore{2, 2, true}));
    const std::vector<Snapshots::Snapshot> kept = Value(Snapshots::List(file.path()));
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].reason, QStringLiteral("round_ms_1"));
}

}  // namespace
