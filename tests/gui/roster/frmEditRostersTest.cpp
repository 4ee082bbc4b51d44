#include "RosterWindowFixture.h"
#include "db/Snapshots.h"
#include "print/RecordingSink.h"
#include "roster/GroupView.h"
#include "roster/RosterGrid.h"
#include "roster/frmEditRosters.h"
#include "support/FileBytes.h"
#include "support/ReadOnlyFile.h"
#include "support/ReadValue.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

namespace {

class frmEditRostersTest : public RosterWindowFixture {
protected:
    frmEditRostersTest() {
        window.setRandom([n = 0]() mutable { return ++n / 100.0; });
        window.Form_Load();
    }

    QPushButton* button(const char* name) {
        return window.findChild<QPushButton*>(QLatin1String(name));
    }
    RosterGrid* grid() { return window.findChild<RosterGrid*>(QStringLiteral("fpRoster")); }
    GroupView* groups() { return window.findChild<GroupView*>(); }
    QLabel* slotLabel(int k) { return window.findChild<QLabel*>(QStringLiteral("lName%1").arg(k)); }
    void edit(int row, int column, const QString& text) {
        grid()->item(row, column)->setText(text);
    }
    void pickSchool(int row, int index) {
        grid()->item(row, RosterGrid::School)->setData(Qt::UserRole, index);
    }
    QString abbreviation(int team) {
        return file.text("SELECT Abbreviation FROM Teams WHERE Team = ?", {team});
    }

    frmEditRosters window{state, prompter};
};

TEST_F(frmEditRostersTest, AFencerIsTypedWithTheKeyboardOnlyAndSaved) {
    showAndActivate(window);
    grid()->setFocus();
    grid()->setCurrentCell(0, RosterGrid::FirstName);
    type(QStringLiteral("Ann"));
    press(Qt::Key_Tab);
    type(QStringLiteral("O'Hara"));
    press(Qt::Key_Return);
    type(abbreviation(3).toLower());  // type-ahead in the school list
    press(Qt::Key_Return);
    press(Qt::Key_Return);  // status stays "No"
    type(QStringLiteral("Lefty"));
    press(Qt::Key_Tab);
    EXPECT_EQ(grid()->currentColumn(), RosterGrid::HtmlName);
    EXPECT_TRUE(button("bSave")->isEnabled());
    EXPECT_EQ(grid()->item(0, RosterGrid::TeamCode)->text(), QStringLiteral("3"));
    press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(grid()->item(0, RosterGrid::HtmlName)->text(), QStringLiteral("Ann O'Hara"));

    // Saved again while the next row's name is still being typed: the typing counts.
    press(Qt::Key_Return);
    type(QStringLiteral("Bo"));
    press(Qt::Key_Tab);
    type(QStringLiteral("Li"));
    press(Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].text.left(21), QStringLiteral("Row 2 (Bo Li) has no "));
    prompter.asked.clear();
    grid()->item(1, RosterGrid::FirstName)->setText(QString());
    grid()->item(1, RosterGrid::LastName)->setText(QString());
    press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(prompter.asked.empty()) << prompter.texts().join('\n').toStdString();
    EXPECT_FALSE(button("bSave")->isEnabled());
    EXPECT_EQ(file.count("SELECT COUNT(*) FROM Roster WHERE Weapon = 0 AND FencerNumber = 0 AND "
                         "Team = 3 AND FName = 'Ann' AND LName = ? AND AddlText = 'Lefty' "
                         "AND HTMLName = ? AND \"Group\" = 99",
                         {QStringLiteral("O'Hara"), QStringLiteral("Ann O'Hara")}),
              1);
    EXPECT_EQ(grid()->item(0, RosterGrid::HtmlName)->text(), QStringLiteral("Ann O'Hara"));
}

TEST_F(frmEditRostersTest, ARowWithoutSchoolIsRefusedByNameAndKept) {
    edit(4, RosterGrid::FirstName, QStringLiteral("Ben"));
    EXPECT_TRUE(button("bSave")->isEnabled());
    EXPECT_FALSE(window.bSave_Click());
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].title, QStringLiteral("Cannot save"));
    EXPECT_TRUE(prompter.asked[0].text.startsWith(QStringLiteral("Row 5 (Ben) has no school")));
    EXPECT_TRUE(button("bSave")->isEnabled());
    EXPECT_EQ(grid()->item(4, RosterGrid::FirstName)->text(), QStringLiteral("Ben"));
}

// `file` is another writer on the same file: the window holds a connection of its own.
TEST_F(frmEditRostersTest, ARowChangedElsewhereAfterLoadingIsToldThenShownAsStored) {
    ChampionshipBuilder::Fencer eve;
    eve.first = QStringLiteral("Eve");
    eve.last = QStringLiteral("Other");
    eve.team = 2;
    build.addFencer(eve);  // fencer number 0, shown on row 1 as a free number
    edit(0, RosterGrid::FirstName, QStringLiteral("Ann"));
    edit(0, RosterGrid::LastName, QStringLiteral("Able"));
    pickSchool(0, 2);
    EXPECT_FALSE(window.bSave_Click());

    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].title, QStringLiteral("Changed Elsewhere"));
    EXPECT_TRUE(prompter.asked[0].text.contains(
        QStringLiteral("Row 1, fencer number 0: First Name: typed \"Ann\", stored \"Eve\"; "
                       "Last Name: typed \"Able\", stored \"Other\"")))
        << prompter.asked[0].text.toStdString();
    EXPECT_EQ(grid()->item(0, RosterGrid::FirstName)->text(), QStringLiteral("Eve"));
    EXPECT_EQ(grid()->item(0, RosterGrid::LastName)->text(), QStringLiteral("Other"));
    EXPECT_FALSE(button("bSave")->isEnabled());
    EXPECT_EQ(file.count("SELECT COUNT(*) FROM Roster WHERE FName = 'Eve'"), 1);
    EXPECT_EQ(file.count("SELECT COUNT(*) FROM Roster"), 1);
}

TEST_F(frmEditRostersTest, UnsavedChangesAnswersWhenSwitchingEvents) {
    edit(0, RosterGrid::FirstName, QStringLiteral("Ann"));
    pickSchool(0, 2);

    window.mWeapon_Click(0);  // the checked event: nothing happens, nothing asked
    EXPECT_TRUE(prompter.asked.empty());

    prompter.answers = {QMessageBox::Cancel};
    window.mWeapon_Click(2);
    EXPECT_EQ(window.currentWeapon(), 0);
    EXPECT_TRUE(window.findChild<QAction*>(QStringLiteral("mWeapon0"))->isChecked());
    EXPECT_FALSE(window.findChild<QAction*>(QStringLiteral("mWeapon2"))->isChecked());
    EXPECT_TRUE(button("bSave")->isEnabled());

    prompter.answers = {QMessageBox::No};
    window.mWeapon_Click(2);
    EXPECT_EQ(window.currentWeapon(), 2);
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("lWeaponName"))->text(),
              QStringLiteral("Men's Epée"));
    EXPECT_EQ(file.count("SELECT COUNT(*) FROM Roster"), 0);
    EXPECT_FALSE(button("bSave")->isEnabled());

    edit(0, RosterGrid::FirstName, QStringLiteral("Cy"));
    pickSchool(0, 5);
    prompter.answers = {QMessageBox::Yes};
    window.mWeapon_Click(3);
    EXPECT_EQ(window.currentWeapon(), 3);
    EXPECT_EQ(
        file.count("SELECT COUNT(*) FROM Roster WHERE Weapon = 2 AND FName = 'Cy' AND Team = 5"),
        1);
    EXPECT_EQ(prompter.asked.size(), 3u);
    EXPECT_EQ(prompter.asked[0].title, QStringLiteral("Save Changes"));
}

TEST_F(frmEditRostersTest, SlotsArePickedSwappedAndSavedOnlyOnSave) {
    build.drawFullEvent(0);
    window.mWeapon_Click(1);
    window.mWeapon_Click(0);
    button("bMakeGroups")->click();
    ASSERT_TRUE(window.groupViewShowing());
    EXPECT_TRUE(prompter.asked.empty());
    EXPECT_TRUE(button("bRerandomize")->isVisibleTo(&window));
    EXPECT_FALSE(button("bMakeGroups")->isVisibleTo(&window));
    EXPECT_EQ(slotLabel(4)->text(), QStringLiteral("First4 Last4 (%1)").arg(abbreviation(4)));

    window.lName_Click(1);
    window.lName_Click(1);
    EXPECT_EQ(window.groupSlots().selected(), -1);
    window.lName_Click(1);
    EXPECT_TRUE(groups()->isPicked(1));
    prompter.answers = {QMessageBox::No};
    window.lName_Click(5);
    EXPECT_EQ(window.groupSlots().selected(), 1);
    EXPECT_TRUE(groups()->isPicked(1));  // still picked, orange
    EXPECT_FALSE(groups()->isPicked(5));
    EXPECT_FALSE(button("bSave")->isEnabled());
    prompter.answers = {QMessageBox::Yes};
    window.lName_Click(5);
    EXPECT_EQ(prompter.asked.back().text,
              QStringLiteral("Swap First5 Last5 (%1) and First1 Last1 (%2)?")
                  .arg(abbreviation(5), abbreviation(1)));
    EXPECT_EQ(window.groupSlots().slot(1).fencerNumber, 5);
    EXPECT_EQ(slotLabel(1)->text(), QStringLiteral("First5 Last5 (%1)").arg(abbreviation(5)));
    EXPECT_FALSE(groups()->isPicked(1));
    EXPECT_FALSE(groups()->isPicked(5));
    EXPECT_TRUE(button("bSave")->isEnabled());

    prompter.answers = {QMessageBox::No};
    window.bCancel_Click();  // back to the roster view, nothing written
    EXPECT_FALSE(window.groupViewShowing());
    EXPECT_EQ(file.count("SELECT Subgroup FROM Roster WHERE Weapon = 0 AND FencerNumber = 5"), 2);

    // The same swap with the keyboard alone: Space picks, the arrows move, Enter swaps.
    button("bMakeGroups")->click();
    showAndActivate(window);
    slotLabel(0)->setFocus();
    press(Qt::Key_Space);
    press(Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), slotLabel(23));
    prompter.answers = {QMessageBox::Yes};
    press(Qt::Key_Return);
    EXPECT_TRUE(window.bSave_Click());
    EXPECT_EQ(
        file.count(
            "SELECT \"Group\" * 10 + Subgroup FROM Roster WHERE Weapon = 0 AND FencerNumber = 0"),
        72);
    EXPECT_EQ(
        file.count(
            "SELECT \"Group\" * 10 + Subgroup FROM Roster WHERE Weapon = 0 AND FencerNumber = 23"),
        0);
}

TEST_F(frmEditRostersTest, NewGroupsOverRecordedBoutsAreSavedOnlyWhenTheUserSaysYes) {
    build.drawFullEvent(0);
    build.addBout(0, 0, 3, 5, 2, true);
    window.mWeapon_Click(1);
    window.mWeapon_Click(0);
    button("bMakeGroups")->click();
    const QString groups = QStringLiteral(
        "SELECT group_concat(FencerNumber || ':' || \"Group\" || Subgroup) FROM Roster "
        "WHERE Weapon = 0");
    // A swap within a group keeps every round's matches: saved without a question.
    prompter.answers = {QMessageBox::Yes};
    window.lName_Click(0);
    window.lName_Click(1);
    const size_t asked = prompter.asked.size();
    EXPECT_TRUE(window.bSave_Click());
    EXPECT_EQ(prompter.asked.size(), asked);
    const QString kept = Value(file.db().queryText(groups)).value_or(QString());

    window.bRerandomize_Click();
    EXPECT_FALSE(window.bSave_Click());  // the default answer is No
    ASSERT_EQ(prompter.asked.size(), asked + 1);
    EXPECT_EQ(prompter.asked.back().title, QStringLiteral("Redraw Groups"));
    EXPECT_EQ(prompter.asked.back().defaultButton, QMessageBox::No);
    EXPECT_TRUE(prompter.asked.back().text.startsWith(QStringLiteral("1 bout(s)")));
    EXPECT_TRUE(prompter.asked.back().text.contains(QStringLiteral("unreported results finder")));
    EXPECT_EQ(Value(file.db().queryText(groups)).value_or(QString()), kept);
    EXPECT_TRUE(button("bSave")->isEnabled());

    // Without the snapshot that keeps the results set aside, the redraw is not saved.
    WriteBytes(Snapshots::FolderFor(file.path()), QByteArray("in the way"));
    prompter.answers = {QMessageBox::Yes};
    EXPECT_FALSE(window.bSave_Click());
    EXPECT_TRUE(prompter.asked.back().text.contains(QStringLiteral("is a file, not a folder")));
    EXPECT_EQ(Value(file.db().queryText(groups)).value_or(QString()), kept);

    QFile::remove(Snapshots::FolderFor(file.path()));
    prompter.answers = {QMessageBox::Yes};
    EXPECT_TRUE(window.bSave_Click());
    const Result<std::vector<Snapshots::Snapshot>> snapshots = Snapshots::List(file.path());
    ASSERT_TRUE(snapshots.ok());
    ASSERT_EQ(snapshots->size(), 1U);
    EXPECT_EQ(snapshots->front().reason, QStringLiteral("redraw"));
    EXPECT_NE(Value(file.db().queryText(groups)).value_or(QString()), kept);
    EXPECT_EQ(file.count("SELECT COUNT(*) FROM Results WHERE Weapon = 0"), 2);
}

TEST_F(frmEditRostersTest, AnUndrawnEventOffersTheDrawAndAnIncompleteRosterRefusesIt) {
    for (int n = 0; n < 24; ++n) {
        ChampionshipBuilder::Fencer f;
        f.weapon = 4;
        f.number = n;
        f.team = n < 18 ? n / 2 : n + 10;  // nine pairs, then six singles
        f.first = QStringLiteral("F%1").arg(n);
        build.addFencer(f);
    }
    window.mWeapon_Click(4);
    prompter.answers = {QMessageBox::Yes};
    button("bMakeGroups")->click();
    ASSERT_EQ(prompter.asked.size(), 2u);
    EXPECT_EQ(prompter.asked[0].title, QStringLiteral("Incomplete Groups"));
    EXPECT_EQ(prompter.asked[1].title, QStringLiteral("Multiple teammates"));
    EXPECT_EQ(prompter.asked[1].icon, QMessageBox::Information);
    EXPECT_TRUE(button("bSave")->isEnabled());
    for (int k = 0; k < 24; ++k) {
        EXPECT_FALSE(slotLabel(k)->text().isEmpty());
    }
    EXPECT_EQ(file.count("SELECT COUNT(*) FROM Roster WHERE \"Group\" = 99"), 24);
    ASSERT_TRUE(window.bSave_Click());
    EXPECT_EQ(file.count("SELECT COUNT(*) FROM Roster WHERE \"Group\" < 8 AND Subgroup < 3"), 24);

    prompter.answers = {QMessageBox::Yes};
    window.mWeapon_Click(5);  // an empty event: the draw is offered and refused
    EXPECT_EQ(prompter.asked.back().title, QStringLiteral("Incomplete Roster"));
    EXPECT_EQ(prompter.asked.back().text,
              QStringLiteral("You must complete the roster before making groups."));
    EXPECT_FALSE(button("bSave")->isEnabled());
}

TEST_F(frmEditRostersTest, PrintAllListsTheStoredFencersOfEveryEvent) {
    build.drawFullEvent(0);
    build.drawFullEvent(5);
    edit(0, RosterGrid::FirstName, QStringLiteral("Unsaved"));
    RecordingSink sink;
    window.setPrintSink(&sink);
    button("bPrint")->click();
    EXPECT_TRUE(prompter.asked.empty()) << prompter.texts().join('\n').toStdString();
    ASSERT_EQ(sink.documents.size(), 1);
    const PrintDocument& printed = sink.documents.front();
    EXPECT_EQ(printed.jobName, QStringLiteral("List of Competitors"));
    QStringList texts;
    for (int p = 0; p < printed.pages.size(); ++p) {
        texts << printed.texts(p);
    }
    EXPECT_EQ(texts.count(QStringLiteral("First7 Last7")), 2);  // one in each event
    EXPECT_FALSE(texts.contains(QStringLiteral("Unsaved Last0")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Page 1 of %1").arg(printed.pages.size())));
}

}  // namespace

namespace {

class ReadOnlyRosterTest : public ChampionshipWindowFixture {};

TEST_F(ReadOnlyRosterTest, ARefusedSaveSaysWhyAndKeepsTheEditsToSaveAgain) {
    ReadOnlyFile readOnly(file.path());
    if (!readOnly.ok()) {
        GTEST_SKIP() << "this file system cannot make a file read-only";
    }
    state.OpenDatabase(file.path());
    frmEditRosters window(state, prompter);
    window.Form_Load();
    showAndActivate(window);
    type(QStringLiteral("Ann"));
    press(Qt::Key_Tab);
    type(QStringLiteral("Lee"));
    press(Qt::Key_Return);
    type(Value(file.db().queryText(QStringLiteral("SELECT Abbreviation FROM Teams WHERE Team = 3")))
             .value_or(QString()));
    press(Qt::Key_Return);
    press(Qt::Key_S, Qt::ControlModifier);

    ASSERT_EQ(prompter.asked.size(), 1u);
    const QString told = prompter.asked[0].text;
    EXPECT_TRUE(told.contains(QFileInfo(file.path()).fileName())) << told.toStdString();
    EXPECT_TRUE(told.contains(QStringLiteral("read-only"))) << told.toStdString();
    EXPECT_FALSE(told.contains(QStringLiteral("attempt to write"))) << told.toStdString();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.findChild<QPushButton*>(QStringLiteral("bSave"))->isEnabled());
    auto* grid = window.findChild<RosterGrid*>(QStringLiteral("fpRoster"));
    EXPECT_EQ(grid->item(0, RosterGrid::FirstName)->text(), QStringLiteral("Ann"));
}

}  // namespace
