#include "FinalFourWindowFixture.h"
#include "standings/frmEnterFinal4.h"

#include <QTableWidget>

namespace {

class frmEnterFinal4Test : public FinalFourWindowFixture {
protected:
    QString name(frmEnterFinal4& w, int slot) const {
        return button(w, QStringLiteral("lName%1").arg(slot))->text();
    }
    QLineEdit* score(frmEnterFinal4& w, int box) const {
        return this->box(w, QStringLiteral("Score%1").arg(box));
    }
    void click(frmEnterFinal4& w, int slot) const {
        button(w, QStringLiteral("lName%1").arg(slot))->click();
    }
    void focus(frmEnterFinal4& w, const QString& widget) const {
        w.findChild<QWidget*>(widget)->setFocus(Qt::OtherFocusReason);
        QCoreApplication::processEvents();
    }
};

TEST_F(frmEnterFinal4Test, AnUnseededEventOffersSeedingAndNoLeavesAnEmptyBracket) {
    prompter.answers = {QMessageBox::No};
    frmEnterFinal4 w(state, prompter);
    show(w);
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].title, "Seed Final Four");
    EXPECT_EQ(prompter.asked[0].text,
              "The final four in Men's Saber have not been seeded.\n\nSeed now?");
    EXPECT_EQ(text(w, QStringLiteral("lRoundStrip")), "Final Four");
    EXPECT_EQ(text(w, QStringLiteral("lWeaponName")), "Men's Saber");
    EXPECT_TRUE(name(w, 0).isEmpty());
    EXPECT_FALSE(score(w, 10)->isEnabled());
    EXPECT_FALSE(button(w, "bSave")->isEnabled());
    EXPECT_EQ(focusName(), "bCancel");
}

TEST_F(frmEnterFinal4Test, SeedingFromTheOfferFillsTheBracket) {
    prompter.answers = {QMessageBox::Yes, QMessageBox::Ok};
    whenShown(QStringLiteral("frmEditFinalFencers"), [](QWidget* seeding) {
        seeding->findChild<QPushButton*>(QStringLiteral("bSave"))->click();
    });
    frmEnterFinal4 w(state, prompter);
    show(w);
    EXPECT_EQ(finalFourRows(), QStringList({"0 0 3 99", "1 2 1 99"}));
    EXPECT_TRUE(name(w, 0).startsWith(QStringLiteral("1. First0 Last0 (")));
    EXPECT_TRUE(name(w, 3).startsWith(QStringLiteral("2. First1 Last1 (")));
    EXPECT_TRUE(score(w, 10)->isEnabled());
    EXPECT_EQ(prompter.asked.size(), 2u);
}

TEST_F(frmEnterFinal4Test, AWholeFinalFourIsEnteredFromTheKeyboard) {
    seed();
    frmEnterFinal4 w(state, prompter);
    show(w);
    focus(w, QStringLiteral("lName0"));
    press(Qt::Key_Space);  // seed 1 wins Semifinal A
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    EXPECT_EQ(focusName(), "Score10");
    type(QStringLiteral("5-2"));
    press(Qt::Key_Return);
    press(Qt::Key_Tab);
    EXPECT_EQ(focusName(), "lName2");
    press(Qt::Key_Tab);
    press(Qt::Key_Space);  // seed 2 wins Semifinal B
    press(Qt::Key_Tab);
    type(QStringLiteral("5-4"));
    EXPECT_TRUE(name(w, 11).startsWith(QStringLiteral("First1 Last1 (")));
    EXPECT_TRUE(name(w, 12).startsWith(QStringLiteral("First3 Last3 (")));

    focus(w, QStringLiteral("lName11"));
    press(Qt::Key_Space);  // the medallist's score box takes the focus
    EXPECT_EQ(focusName(), "Score20");
    type(QStringLiteral("5-3"));
    focus(w, QStringLiteral("lName12"));
    press(Qt::Key_Space);
    type(QStringLiteral("5-1"));
    EXPECT_TRUE(name(w, 20).startsWith(QStringLiteral("First1 Last1")));
    press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(button(w, "bSave")->isEnabled());
    EXPECT_EQ(finalFourRows(),
              QStringList({"0 0 3 0 5-2", "1 2 1 1 5-4", "10 0 1 1 5-3", "11 3 2 3 5-1"}));
}

TEST_F(frmEnterFinal4Test, AnotherSemifinalWinnerAndAClearedSemifinalUndoTheirMedals) {
    seed();
    frmEnterFinal4 w(state, prompter);
    show(w);
    click(w, 0);
    click(w, 3);
    click(w, 10);
    score(w, 20)->setText(QStringLiteral("5-3"));
    emit score(w, 20)->textEdited(score(w, 20)->text());
    click(w, 1);  // the gold medallist lost his semifinal after all
    EXPECT_TRUE(name(w, 20).isEmpty());
    EXPECT_TRUE(score(w, 20)->text().isEmpty());
    EXPECT_TRUE(name(w, 10).startsWith(QStringLiteral("First3")));

    button(w, "bSave")->click();
    EXPECT_EQ(finalFourRows().size(), 4);
    button(w, "bClear10")->click();
    EXPECT_EQ(focusName(), "bCancel");
    EXPECT_FALSE(score(w, 10)->isEnabled());
    button(w, "bSave")->click();
    EXPECT_EQ(finalFourRows(), QStringList({"0 0 3 99", "1 2 1 1"}));
}

TEST_F(frmEnterFinal4Test, EventsSwitchSilentlyWhileRoundsAskFirst) {
    seed();
    file.exec(QStringLiteral("UPDATE FinalFour SET Score = '3-3' WHERE Weapon = 0 AND Bout = 1"));
    int handed = 0;
    frmEnterFinal4 w(state, prompter);
    show(w, [&] { ++handed; });
    // A semifinal without a winner shows both names and an open score box.
    EXPECT_TRUE(name(w, 2).startsWith(QStringLiteral("3. ")));
    EXPECT_TRUE(name(w, 11).isEmpty());
    EXPECT_TRUE(score(w, 11)->isEnabled());
    EXPECT_EQ(score(w, 11)->text(), "3-3");

    click(w, 0);
    prompter.answers = {QMessageBox::No};  // Seed now? for the unseeded event
    press(Qt::Key_2, Qt::ControlModifier);
    EXPECT_EQ(state.CurrentWeapon, 1);
    EXPECT_EQ(prompter.asked.size(), 1u);
    press(Qt::Key_1, Qt::ControlModifier);
    EXPECT_TRUE(name(w, 10).isEmpty());
    EXPECT_FALSE(button(w, "bSave")->isEnabled());

    click(w, 0);
    prompter.answers = {QMessageBox::Cancel};
    action(w, "mRound3")->trigger();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(handed, 0);
    prompter.answers = {QMessageBox::No};
    action(w, "mRound3")->trigger();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(handed, 1);
    EXPECT_EQ(state.CurrentRound, 3);
    EXPECT_EQ(finalFourRows().first(), "0 0 3 99");
}

TEST_F(frmEnterFinal4Test, AFailedSaveIsToldAndKeepsTheEntries) {
    seed();
    file.exec(
        QStringLiteral("CREATE TRIGGER FailSave BEFORE UPDATE ON FinalFour "
                       "BEGIN SELECT RAISE(ABORT, 'the disk is full'); END"));
    frmEnterFinal4 w(state, prompter);
    show(w);
    click(w, 0);
    click(w, 2);
    prompter.answers = {QMessageBox::Yes};
    w.reject();
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(button(w, "bSave")->isEnabled());
    EXPECT_TRUE(prompter.texts().last().contains(QStringLiteral("the disk is full")));
    EXPECT_EQ(finalFourRows(), QStringList({"0 0 3 99", "1 2 1 99"}));
}

// `file` is another writer on the same file: the window holds a connection of its own.
TEST_F(frmEnterFinal4Test, ASemifinalDecidedElsewhereAfterLoadingIsToldThenShownAsStored) {
    seed();
    frmEnterFinal4 w(state, prompter);
    show(w);
    file.exec(
        QStringLiteral("UPDATE FinalFour SET Winner = 3, Score = '5-4' WHERE Weapon = 0 "
                       "AND Bout = 0"));
    click(w, 0);
    score(w, 10)->setText(QStringLiteral("5-2"));
    emit score(w, 10)->textEdited(QStringLiteral("5-2"));
    button(w, "bSave")->click();

    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].title, QStringLiteral("Changed Elsewhere"));
    EXPECT_TRUE(
        prompter.asked[0].text.contains(QStringLiteral("Semifinal A: typed \"First0 Last0")))
        << prompter.asked[0].text.toStdString();
    EXPECT_TRUE(name(w, 10).startsWith(QStringLiteral("First3 Last3 (")));
    EXPECT_EQ(score(w, 10)->text(), QStringLiteral("5-4"));
    EXPECT_FALSE(button(w, "bSave")->isEnabled());
    EXPECT_EQ(finalFourRows(), QStringList({"0 0 3 3 5-4", "1 2 1 99"}));
}

}  // namespace

namespace {

class frmEnterFinal4PrintTest : public FinalFourWindowFixture {};

TEST_F(frmEnterFinal4PrintTest, PrintScoresheetsOpensTheScoresheetWindow) {
    seed();
    frmEnterFinal4 w(state, prompter);
    show(w);
    bool opened = false;
    whenShown(QStringLiteral("frmPrintScoresheets"), [&opened](QWidget* sheets) {
        opened = true;
        static_cast<QDialog*>(sheets)->reject();
    });
    QPushButton* print = button(w, QStringLiteral("bPrintScoresheets"));
    ASSERT_TRUE(print->isEnabled());
    print->click();
    EXPECT_TRUE(opened);
}

}  // namespace
