#include "gui/ChampionshipWindowFixture.h"
#include "roster/frmEditRosters.h"
#include "standings/frmShowResults.h"
#include "support/ChampionshipBuilder.h"
#include "support/FileBytes.h"

#include <QAction>
#include <QFile>
#include <QStatusBar>

namespace {

class FieXmlMenusTest : public ChampionshipWindowFixture {
protected:
    FieXmlMenusTest() {
        ChampionshipBuilder(file).drawFullEvent(1);
        state.OpenDatabase(file.path());
    }
    QString writtenFile() const { return file.folder() + QStringLiteral("/MF.xml"); }
};

TEST_F(FieXmlMenusTest, TheResultsWindowWritesTheShownEventAndTheRosterWindowReadsItIn) {
    state.CurrentWeapon = 1;
    frmShowResults results(state, prompter);
    results.Open();
    prompter.files.push_back(writtenFile());
    results.findChild<QAction*>(QStringLiteral("mFieXml"))->trigger();
    EXPECT_TRUE(results.statusBar()->currentMessage().contains(writtenFile()));
    EXPECT_TRUE(ReadBytes(writtenFile()).contains("Arme=\"F\" Sexe=\"M\""));

    frmEditRosters roster(state, prompter);
    roster.Form_Load();
    roster.mWeapon_Click(4);
    prompter.files.push_back(writtenFile());
    roster.findChild<QAction*>(QStringLiteral("mImportFie"))->trigger();
    ASSERT_FALSE(prompter.asked.empty());
    EXPECT_EQ(prompter.asked.back().text, QStringLiteral("24 fencers imported into Women's Foil."));
    EXPECT_EQ(file.count("SELECT COUNT(*) FROM Roster WHERE Weapon = 4"), 24);

    // The same fencers again are refused whole, each by its line.
    prompter.files.push_back(writtenFile());
    roster.findChild<QAction*>(QStringLiteral("mImportFie"))->trigger();
    EXPECT_TRUE(prompter.asked.back().text.startsWith(QStringLiteral("Nothing was imported:\n")));
    EXPECT_TRUE(prompter.asked.back().text.contains(QStringLiteral("is already on WF")));
    EXPECT_EQ(file.count("SELECT COUNT(*) FROM Roster WHERE Weapon = 4"), 24);
}

}  // namespace
