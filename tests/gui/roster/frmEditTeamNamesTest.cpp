#include "RosterWindowFixture.h"
#include "roster/frmEditTeamNames.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

class frmEditTeamNamesTest : public RosterWindowFixture {
protected:
    frmEditTeamNamesTest() { EXPECT_TRUE(window.Form_Load()); }

    QPushButton* button(const char* name) {
        return window.findChild<QPushButton*>(QLatin1String(name));
    }
    QLineEdit* box(const char* name) { return window.findChild<QLineEdit*>(QLatin1String(name)); }
    QString label() { return window.findChild<QLabel*>(QStringLiteral("lTeamNumber"))->text(); }

    frmEditTeamNames window{state, prompter};
};

TEST_F(frmEditTeamNamesTest, NavigationShowsEachSchoolAndItsLimits) {
    EXPECT_EQ(label(), QStringLiteral("Team 1"));
    EXPECT_FALSE(button("bFirst")->isEnabled());
    EXPECT_FALSE(button("bPrev")->isEnabled());
    EXPECT_FALSE(box("tAbbreviation")->text().isEmpty());
    button("bNext")->click();
    EXPECT_EQ(window.currentTeam(), 1);
    button("bLast")->click();
    EXPECT_EQ(label(), QStringLiteral("Team 47"));
    EXPECT_FALSE(button("bNext")->isEnabled());
    EXPECT_FALSE(button("bSave")->isEnabled());
    button("bFirst")->click();
    EXPECT_EQ(window.currentTeam(), 0);
    EXPECT_TRUE(prompter.asked.empty());
}

TEST_F(frmEditTeamNamesTest, AddNewThenSaveInsertsTheNextSchool) {
    button("bAdd")->click();
    EXPECT_EQ(window.currentTeam(), 47);
    EXPECT_EQ(label(), QStringLiteral("Team 48"));
    EXPECT_TRUE(box("tMediumTeamName")->text().isEmpty());
    EXPECT_FALSE(button("bAdd")->isEnabled());
    EXPECT_FALSE(button("bDelete")->isEnabled());

    showAndActivate(window);
    box("tAbbreviation")->setFocus();
    type(QStringLiteral("sj'u"));
    EXPECT_EQ(box("tAbbreviation")->text(), QStringLiteral("SJ'U"));
    press(Qt::Key_Return);  // Enter moves on like Tab
    type(QStringLiteral("St John's"));
    button("bSave")->click();
    ASSERT_EQ(prompter.asked.size(), 2u);  // the question, then the blank full name
    EXPECT_EQ(prompter.asked[1].text, QStringLiteral("Full Team Name must not be blank."));
    EXPECT_EQ(file.count("SELECT COUNT(*) FROM Teams WHERE Team = 47"), 0);

    box("tFullTeamName")->setText(QStringLiteral("St. John's \"Red Storm\""));
    button("bSave")->click();
    EXPECT_EQ(file.count("SELECT COUNT(*) FROM Teams WHERE Team = 47 AND Abbreviation = ? AND "
                         "MediumTeamName = ? AND FullTeamName = ?",
                         {QStringLiteral("SJ'U"), QStringLiteral("St John's"),
                          QStringLiteral("St. John's \"Red Storm\"")}),
              1);
    EXPECT_TRUE(button("bAdd")->isEnabled());
    EXPECT_FALSE(button("bSave")->isEnabled());
}

TEST_F(frmEditTeamNamesTest, AnswersToTheSaveQuestionWhenMoving) {
    const QString second = *file.db().queryText("SELECT Abbreviation FROM Teams WHERE Team = 1");
    box("tMediumTeamName")->setText(QStringLiteral("Changed"));
    prompter.answers = {QMessageBox::Cancel};
    button("bNext")->click();
    EXPECT_EQ(window.currentTeam(), 0);
    EXPECT_TRUE(button("bSave")->isEnabled());

    prompter.answers = {QMessageBox::No};
    button("bNext")->click();
    EXPECT_EQ(window.currentTeam(), 1);
    EXPECT_EQ(box("tAbbreviation")->text(), second);
    EXPECT_EQ(file.count("SELECT COUNT(*) FROM Teams WHERE MediumTeamName = 'Changed'"), 0);

    box("tMediumTeamName")->setText(QStringLiteral("Changed"));
    prompter.answers = {QMessageBox::Yes};
    button("bPrev")->click();
    EXPECT_EQ(window.currentTeam(), 0);
    EXPECT_EQ(file.count("SELECT Team FROM Teams WHERE MediumTeamName = 'Changed'"), 1);
}

TEST_F(frmEditTeamNamesTest, DeleteOnlyForSchoolsWithoutFencersAndMovesOffTheLast) {
    ChampionshipBuilder::Fencer f;
    f.team = 0;
    build.addFencer(f);
    window.ShowTeam();
    EXPECT_FALSE(button("bDelete")->isEnabled());

    button("bLast")->click();
    prompter.answers = {QMessageBox::No};
    button("bDelete")->click();
    EXPECT_EQ(prompter.asked.back().defaultButton, QMessageBox::No);
    EXPECT_EQ(file.count("SELECT COUNT(*) FROM Teams"), 47);

    prompter.answers = {QMessageBox::Yes};
    button("bDelete")->click();
    EXPECT_EQ(window.maxTeam(), 45);
    EXPECT_EQ(window.currentTeam(), 45);

    for (int i = 0; i < 5; ++i) {
        button("bPrev")->click();
    }
    prompter.answers = {QMessageBox::Yes};
    button("bDelete")->click();
    EXPECT_EQ(window.currentTeam(), 40);
    EXPECT_TRUE(box("tAbbreviation")->text().isEmpty());
    EXPECT_FALSE(button("bDelete")->isEnabled());
    EXPECT_TRUE(button("bAdd")->isEnabled());
    EXPECT_EQ(file.count("SELECT COUNT(*) FROM Teams"), 45);
}

// `file` is another writer on the same file: the window holds a connection of its own.
TEST_F(frmEditTeamNamesTest, ASchoolRenamedElsewhereAfterShowingIsToldThenShownAsStored) {
    file.exec(QStringLiteral("UPDATE Teams SET MediumTeamName = 'Theirs' WHERE Team = 0"));
    box("tMediumTeamName")->setText(QStringLiteral("Mine"));
    prompter.answers = {QMessageBox::Yes};
    button("bNext")->click();

    ASSERT_EQ(prompter.asked.size(), 2u);
    EXPECT_EQ(prompter.asked[1].title, QStringLiteral("Changed Elsewhere"));
    EXPECT_TRUE(prompter.asked[1].text.endsWith(
        QStringLiteral("Team 1: Medium Team Name: typed \"Mine\", stored \"Theirs\"")))
        << prompter.asked[1].text.toStdString();
    EXPECT_EQ(window.currentTeam(), 0);
    EXPECT_EQ(box("tMediumTeamName")->text(), QStringLiteral("Theirs"));
    EXPECT_FALSE(button("bSave")->isEnabled());
}

}  // namespace
