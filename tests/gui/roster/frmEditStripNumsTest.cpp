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
        return file.text("SELECT StripName FROM StripNumbers WHERE Weapon = ? AND StripSet = ?",
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

}  // namespace
