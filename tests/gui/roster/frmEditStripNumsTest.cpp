#include "RosterWindowFixture.h"
#include "app/frmMain.h"
#include "roster/frmEditStripNums.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

namespace {

class frmEditStripNumsTest : public RosterWindowFixture {
protected:
    frmEditStripNumsTest() { window.Form_Load(); }

    QPushButton* button(const char* name) {
        return window.findChild<QPushButton*>(QLatin1String(name));
    }
    QString stored(int weapon, int stripSet) {
        return *file.db().queryText(
            "SELECT StripName FROM StripNumbers WHERE Weapon = ? AND StripSet = ?",
            {weapon, stripSet});
    }

    frmEditStripNums window{state, prompter};
};

TEST_F(frmEditStripNumsTest, SavingOneChangeRewritesAllNamesAndCloses) {
    showAndActivate(window);
    EXPECT_EQ(window.tStripName(0, 0)->objectName(), QStringLiteral("tStripName0"));
    EXPECT_EQ(window.tStripName(5, 3)->objectName(), QStringLiteral("tStripName53"));
    const QString before = stored(1, 2);
    window.tStripName(5, 3)->setFocus();
    QApplication::processEvents();
    type(QStringLiteral("B'12"));  // the box selected its text when it got the focus
    EXPECT_TRUE(button("bSave")->isEnabled());
    button("bSave")->click();
    EXPECT_EQ(prompter.asked.back().title, QStringLiteral("Save Strip Numbers"));
    EXPECT_EQ(stored(5, 3), QStringLiteral("B'12"));
    EXPECT_EQ(stored(1, 2), before);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(frmEditStripNumsTest, ClearThenCloseWithoutSavingChangesNothing) {
    showAndActivate(window);
    const QString before = stored(2, 1);
    prompter.answers = {QMessageBox::Ok};
    button("bClear")->click();
    EXPECT_TRUE(window.tStripName(2, 1)->text().isEmpty());
    prompter.answers = {QMessageBox::No};
    button("bCancel")->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(stored(2, 1), before);
}

TEST_F(frmEditStripNumsTest, CancellingTheSaveQuestionKeepsTheWindowAndItsEdits) {
    showAndActivate(window);
    window.tStripName(0, 0)->setText(QStringLiteral("Main"));
    prompter.answers = {QMessageBox::Cancel};
    button("bSave")->click();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(button("bSave")->isEnabled());

    prompter.answers = {QMessageBox::Cancel};
    button("bCancel")->click();
    EXPECT_TRUE(window.isVisible());
    prompter.answers = {QMessageBox::Yes, QMessageBox::Ok};
    button("bCancel")->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(stored(0, 0), QStringLiteral("Main"));
}

TEST_F(frmEditStripNumsTest, MainWindowOffersTheEditorsOnlyWithAFile) {
    frmMain main(state, prompter);
    main.ActivationStep();
    EXPECT_FALSE(main.findChild<QPushButton*>(QStringLiteral("bUtilities"))->isEnabled());
    EXPECT_FALSE(main.findChild<QPushButton*>(QStringLiteral("bEditRosters"))->isEnabled());
    main.OpenDatabase(file.path(), true);
    EXPECT_TRUE(main.findChild<QPushButton*>(QStringLiteral("bUtilities"))->isEnabled());
    EXPECT_TRUE(main.findChild<QPushButton*>(QStringLiteral("bEditRosters"))->isEnabled());
}

// `file` is another writer on the same file: the window holds a connection of its own.
TEST_F(frmEditStripNumsTest, ANameChangedElsewhereAfterLoadingIsToldThenShownAsStored) {
    file.exec(
        QStringLiteral("UPDATE StripNumbers SET StripName = 'North' WHERE Weapon = 2 AND "
                       "StripSet IN (0, 1)"));
    window.tStripName(2, 0)->setText(QStringLiteral("South"));
    EXPECT_FALSE(window.bSave_Click());

    ASSERT_EQ(prompter.asked.size(), 2u);
    EXPECT_EQ(prompter.asked[1].title, QStringLiteral("Changed Elsewhere"));
    EXPECT_TRUE(prompter.asked[1].text.endsWith(
        QStringLiteral("Men's Epée, Strip Set 1: typed \"South\", stored \"North\"")))
        << prompter.asked[1].text.toStdString();
    EXPECT_EQ(window.tStripName(2, 0)->text(), QStringLiteral("North"));
    EXPECT_EQ(stored(2, 0), QStringLiteral("North"));
    // A name this window did not change keeps the other writer's.
    EXPECT_EQ(stored(2, 1), QStringLiteral("North"));
    EXPECT_FALSE(button("bSave")->isEnabled());
}

}  // namespace
