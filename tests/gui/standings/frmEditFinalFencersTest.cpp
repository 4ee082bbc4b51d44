#include "FinalFourWindowFixture.h"
#include "db/Snapshots.h"
#include "standings/frmEditFinalFencers.h"
#include "support/FileBytes.h"

#include <QFile>
#include <QHeaderView>
#include <QTableWidget>

namespace {

class frmEditFinalFencersTest : public FinalFourWindowFixture {
protected:
    void showSeeding(frmEditFinalFencers& w) {
        w.Form_Load(QStringLiteral("Men's Saber"));
        w.show();
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }
    static QTableWidget* grid(frmEditFinalFencers& w) {
        return w.findChild<QTableWidget*>(QStringLiteral("fpStandings"));
    }
    static QString fencerAt(frmEditFinalFencers& w, int row) {
        return grid(w)->item(row, 6)->text();
    }
    static QString markOf(frmEditFinalFencers& w, int row) {
        return grid(w)->verticalHeaderItem(row)->text();
    }
};

TEST_F(frmEditFinalFencersTest, TheProposalIsTheStandingsAndCountsAsUnsaved) {
    frmEditFinalFencers w(state, prompter);
    showSeeding(w);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Select Final Four Competitors"));
    EXPECT_EQ((QStringList{fencerAt(w, 0), fencerAt(w, 1), fencerAt(w, 3), fencerAt(w, 4)}),
              (QStringList{"0", "1", "3", "4"}));
    EXPECT_EQ(grid(w)->item(0, 5)->text(),
              QStringLiteral("+%1").arg(grid(w)->item(0, 3)->text().toInt() -
                                        grid(w)->item(0, 4)->text().toInt()));
    EXPECT_EQ(markOf(w, 3), "4");
    EXPECT_EQ(markOf(w, 4), "OUT");
    EXPECT_FALSE(button(w, "bUp")->isEnabled());
    EXPECT_TRUE(button(w, "bDown")->isEnabled());

    prompter.answers = {QMessageBox::No};
    w.reject();
    EXPECT_FALSE(w.isVisible());
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].title, "Save Changes");
    EXPECT_TRUE(finalFourRows().isEmpty());
}

// Leaving a seeded event's window with Enter at each question must not wipe its Final Four.
TEST_F(frmEditFinalFencersTest, EnterAtEveryQuestionKeepsTheFinalFourResults) {
    seed();
    file.exec(
        QStringLiteral("UPDATE FinalFour SET Winner = TopFencer, Score = '5-2' "
                       "WHERE Weapon = 0 AND Bout = 0"));
    frmEditFinalFencers w(state, prompter);
    showSeeding(w);
    w.reject();  // every question gets its default button
    ASSERT_EQ(prompter.asked.size(), 2u);
    EXPECT_EQ(prompter.asked[1].defaultButton, QMessageBox::Cancel);
    EXPECT_EQ(file.count(QStringLiteral("SELECT COUNT(*) FROM FinalFour WHERE Weapon = 0 AND "
                                        "Winner <> 99")),
              1);
    prompter.answers = {QMessageBox::No};
    w.reject();
    EXPECT_FALSE(w.isVisible());
}

TEST_F(frmEditFinalFencersTest, TheFifthMovedUpByKeyboardTakesSeedFourAndIsSaved) {
    frmEditFinalFencers w(state, prompter);
    showSeeding(w);
    for (int i = 0; i < 4; ++i) {
        press(Qt::Key_Down);
    }
    EXPECT_EQ(grid(w)->currentRow(), 4);
    press(Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(fencerAt(w, 3), "4");
    EXPECT_EQ(fencerAt(w, 4), "3");
    EXPECT_EQ(grid(w)->currentRow(), 3);
    EXPECT_EQ(markOf(w, 3), "4");
    EXPECT_EQ(grid(w)->verticalHeaderItem(3)->background().color(), QColor(255, 128, 128));
    EXPECT_EQ(markOf(w, 4), "OUT");

    prompter.answers = {QMessageBox::Ok};
    press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(prompter.asked.back().text,
              "This will erase all results from the final four of this weapon.");
    EXPECT_EQ(finalFourRows(), QStringList({"0 0 4 99", "1 2 1 99"}));
}

TEST_F(frmEditFinalFencersTest, SeedingAgainOverResultsIsRefusedWithoutASnapshot) {
    seed();
    file.exec(
        QStringLiteral("UPDATE FinalFour SET Winner = TopFencer, Score = '5-2' "
                       "WHERE Weapon = 0 AND Bout = 0"));
    WriteBytes(Snapshots::FolderFor(file.path()), QByteArray("in the way"));
    frmEditFinalFencers w(state, prompter);
    showSeeding(w);
    prompter.answers = {QMessageBox::Ok};
    press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(prompter.asked.back().icon, QMessageBox::Critical);
    EXPECT_TRUE(prompter.asked.back().text.contains(QStringLiteral("is a file, not a folder")));
    EXPECT_EQ(file.count(QStringLiteral("SELECT COUNT(*) FROM FinalFour WHERE Weapon = 0 AND "
                                        "Winner <> 99")),
              1);
    prompter.answers = {QMessageBox::No};
    w.reject();
}

TEST_F(frmEditFinalFencersTest, TheArrowsStopAtTheFirstAndLastRows) {
    frmEditFinalFencers w(state, prompter);
    showSeeding(w);
    QTest::mouseClick(grid(w)->viewport(), Qt::LeftButton, {},
                      grid(w)->visualRect(grid(w)->model()->index(2, 1)).center());
    EXPECT_TRUE(button(w, "bUp")->isEnabled());
    grid(w)->setCurrentCell(SeedingTable::kRows - 1, 0);
    EXPECT_FALSE(button(w, "bDown")->isEnabled());
    button(w, "bUp")->click();
    EXPECT_TRUE(button(w, "bDown")->isEnabled());
    EXPECT_EQ(fencerAt(w, SeedingTable::kRows - 1), "22");
    button(w, "bReload")->click();
    EXPECT_EQ(fencerAt(w, SeedingTable::kRows - 1), "23");
}

TEST_F(frmEditFinalFencersTest, AnEventWithoutFourFencersCannotBeSaved) {
    seed();
    state.CurrentWeapon = 1;
    frmEditFinalFencers w(state, prompter);
    showSeeding(w);
    button(w, "bSave")->click();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(prompter.texts(), QStringList({"Can not save. Invalid data."}));
    // The refusal clears the pending change, so leaving asks nothing more.
    w.reject();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(finalFourRows().size(), 2);
}

TEST_F(frmEditFinalFencersTest, DeletingAsksWithNoAsDefaultThenUnseeds) {
    seed();
    frmEditFinalFencers w(state, prompter);
    showSeeding(w);
    button(w, "bDelete")->click();
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].defaultButton, QMessageBox::No);
    EXPECT_EQ(finalFourRows().size(), 2);
    prompter.answers = {QMessageBox::Yes};
    button(w, "bDelete")->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(finalFourRows().isEmpty());
    EXPECT_EQ(file.count(QStringLiteral("SELECT Count(*) FROM Roster WHERE Advanced <> 0")), 0);
}

TEST_F(frmEditFinalFencersTest, DeletingAFencedFinalFourKeepsASnapshotFirstOrIsRefused) {
    seed();
    file.exec(QStringLiteral("UPDATE FinalFour SET Winner = TopFencer, Score = '15-2' "
                             "WHERE Weapon = 0 AND Bout = 0"));
    WriteBytes(Snapshots::FolderFor(file.path()), QByteArray("in the way"));
    {
        frmEditFinalFencers w(state, prompter);
        showSeeding(w);
        prompter.answers = {QMessageBox::Yes, QMessageBox::Ok};
        button(w, "bDelete")->click();
        EXPECT_TRUE(prompter.asked.back().text.contains(QStringLiteral("is a file, not a folder")));
        EXPECT_EQ(finalFourRows().size(), 2);
        prompter.answers = {QMessageBox::No};
        w.reject();
    }
    QFile::remove(Snapshots::FolderFor(file.path()));
    frmEditFinalFencers w(state, prompter);
    showSeeding(w);
    prompter.answers = {QMessageBox::Yes};
    button(w, "bDelete")->click();
    EXPECT_TRUE(finalFourRows().isEmpty());
    const Result<std::vector<Snapshots::Snapshot>> kept = Snapshots::List(file.path());
    ASSERT_TRUE(kept.ok());
    ASSERT_EQ(kept->size(), 1U);
    EXPECT_EQ(kept->front().reason, QStringLiteral("reseed"));
}

}  // namespace
