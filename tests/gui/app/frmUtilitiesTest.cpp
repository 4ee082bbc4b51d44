#include "app/frmRestoreSnapshot.h"
#include "app/frmUtilities.h"
#include "db/ORLEMain.h"
#include "db/Snapshots.h"
#include "print/RecordingSink.h"
#include "roster/frmEditStripNums.h"
#include "roster/frmEditTeamNames.h"
#include "support/ChampionshipBuilder.h"
#include "support/FileBytes.h"
#include "support/ScriptedPrompter.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

namespace {

using QMB = QMessageBox;

class frmUtilitiesTest : public ::testing::Test {
protected:
    frmUtilitiesTest() {
        ChampionshipBuilder builder(file);
        builder.drawFullEvent(0);
        builder.addBout(0, 0, 1, 5, 2, true);
        file.exec(QStringLiteral("UPDATE Roster SET Advanced = -1 WHERE FencerNumber = 0"));
        state.OpenDatabase(file.path());
        window.setPrintSink(&printed);
    }
    QPushButton* button(const char* name) {
        return window.findChild<QPushButton*>(QLatin1String(name));
    }
    long long count(const char* sql) const { return file.count(QLatin1String(sql)); }

    TempChampionship file;
    QTemporaryDir settingsDir;
    ORLEMain state{std::make_unique<RegistrySettings>(settingsDir.filePath("orle.ini"))};
    ScriptedPrompter prompter;
    RecordingSink printed;
    frmUtilities window{state, prompter};
};

TEST_F(frmUtilitiesTest, ButtonsStandInOneColumnInTheirOrder) {
    EXPECT_EQ(window.windowTitle(), "Utilities & Reports");
    QStringList order;
    for (QPushButton* b : window.findChildren<QPushButton*>()) {
        order << b->objectName();
    }
    EXPECT_EQ(order, QStringList({"bEditTeamNames", "bColors", "bStripNums", "bInitializeResults",
                                  "bFullResults", "bHistory", "bRestoreSnapshot", "bExit"}));
    EXPECT_EQ(button("bRestoreSnapshot")->text(), "Restore Snaps&hot...");
    EXPECT_EQ(button("bInitializeResults")->text(), "&Initialize Results");
    EXPECT_TRUE(button("bColors")->isEnabled());
    EXPECT_EQ(button("bColors")->size(), button("bExit")->size());
}

TEST_F(frmUtilitiesTest, InitializingResultsKeepsTheRostersUnlessAsked) {
    prompter.answers = {QMB::Yes, QMB::No, QMB::Ok};
    button("bInitializeResults")->click();
    ASSERT_EQ(prompter.asked.size(), 3U);
    EXPECT_EQ(prompter.asked[0].title, "Confirm initialization");
    EXPECT_EQ(prompter.asked[0].icon, QMB::Warning);
    EXPECT_EQ(prompter.asked[0].defaultButton, QMB::No);
    EXPECT_EQ(prompter.asked[1].text, "Do you want to erase all rosters?");
    EXPECT_EQ(prompter.asked[2].text,
              "All results will be erased.\r\n\r\nThis action cannot be reversed.");
    EXPECT_EQ(prompter.asked[2].defaultButton, QMB::Cancel);
    EXPECT_EQ(count("SELECT COUNT(*) FROM Results"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM Roster WHERE Advanced <> 0"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM Roster"), 24);

    prompter.asked.clear();
    prompter.answers = {QMB::Yes, QMB::Yes, QMB::Ok};
    button("bInitializeResults")->click();
    EXPECT_EQ(prompter.asked[2].text,
              "All results and rosters will be erased.\r\n\r\nThis action cannot be reversed.");
    EXPECT_EQ(count("SELECT COUNT(*) FROM Roster"), 0);
}

TEST_F(frmUtilitiesTest, NoOrCancelChangesNothing) {
    prompter.answers = {QMB::No};
    button("bInitializeResults")->click();
    EXPECT_EQ(prompter.asked.size(), 1U) << "No to the first question ends it quietly";

    prompter.asked.clear();
    prompter.answers = {QMB::Yes, QMB::Yes, QMB::Cancel};
    button("bInitializeResults")->click();
    ASSERT_EQ(prompter.asked.size(), 4U);
    EXPECT_EQ(prompter.asked[3].title, "Nothing done");
    EXPECT_EQ(prompter.asked[3].text, "The data has NOT been initialized.");
    EXPECT_EQ(count("SELECT COUNT(*) FROM Results"), 2);
    EXPECT_EQ(count("SELECT COUNT(*) FROM Roster"), 24);
}

TEST_F(frmUtilitiesTest, AFailedWipeIsToldAndWipesNothing) {
    file.exec(
        QStringLiteral("CREATE TRIGGER keepResults BEFORE DELETE ON Results "
                       "BEGIN SELECT RAISE(ABORT, 'results are locked'); END"));
    prompter.answers = {QMB::Yes, QMB::No, QMB::Ok};
    button("bInitializeResults")->click();
    ASSERT_EQ(prompter.asked.size(), 4U);
    EXPECT_EQ(prompter.asked[3].icon, QMB::Critical);
    EXPECT_TRUE(prompter.asked[3].text.contains(QLatin1String("results are locked")));
    EXPECT_EQ(count("SELECT COUNT(*) FROM Roster WHERE Advanced <> 0"), 1);
}

TEST_F(frmUtilitiesTest, AWipeKeepsASnapshotAndIsRefusedWithoutOne) {
    WriteBytes(Snapshots::FolderFor(file.path()), QByteArray("in the way"));
    prompter.answers = {QMB::Yes, QMB::No, QMB::Ok};
    button("bInitializeResults")->click();
    ASSERT_EQ(prompter.asked.size(), 4U);
    EXPECT_EQ(prompter.asked[3].icon, QMB::Critical);
    EXPECT_TRUE(prompter.asked[3].text.contains(QLatin1String("is a file, not a folder")));
    EXPECT_EQ(count("SELECT COUNT(*) FROM Results"), 2);

    QFile::remove(Snapshots::FolderFor(file.path()));
    prompter.answers = {QMB::Yes, QMB::No, QMB::Ok};
    button("bInitializeResults")->click();
    EXPECT_EQ(count("SELECT COUNT(*) FROM Results"), 0);
    const Result<std::vector<Snapshots::Snapshot>> kept = Snapshots::List(file.path());
    ASSERT_TRUE(kept.ok());
    ASSERT_EQ(kept->size(), 1U);
    EXPECT_EQ(kept->front().reason, QStringLiteral("reset"));
}

TEST_F(frmUtilitiesTest, FullResultsCarryTheChampionshipYear) {
    state.ChampionshipYear = QStringLiteral("2005");
    button("bFullResults")->click();
    ASSERT_EQ(printed.documents.size(), 1);
    EXPECT_TRUE(printed.documents.first().texts(0).contains("2005 ORLE Championships"));
    EXPECT_TRUE(printed.documents.first().texts(0).contains("Last1, First1"));
}

TEST_F(frmUtilitiesTest, TheNameEditorsOpenFromHereAndTheGroupsAreRecountedAfterwards) {
    state.LastRound = 0;
    QTimer::singleShot(0, &window, [this] {
        auto* editor = window.findChild<frmEditTeamNames*>();
        ASSERT_NE(editor, nullptr);
        static_cast<QDialog*>(editor)->reject();
    });
    button("bEditTeamNames")->click();
    EXPECT_EQ(state.LastRound, 6);

    QTimer::singleShot(0, &window, [this] {
        auto* editor = window.findChild<frmEditStripNums*>();
        ASSERT_NE(editor, nullptr);
        EXPECT_TRUE(editor->isVisible());
        static_cast<QDialog*>(editor)->reject();
    });
    button("bStripNums")->click();
}

TEST_F(frmUtilitiesTest, RestoreSnapshotOpensTheListAfreshAtEveryShowing) {
    ASSERT_TRUE(Snapshots::Take(state.connection(), QStringLiteral("manual")).ok());
    for (int showing = 1; showing <= 2; ++showing) {
        int listed = -1;
        QTimer::singleShot(0, &window, [this, &listed] {
            auto* restore = window.findChild<frmRestoreSnapshot*>();
            ASSERT_NE(restore, nullptr);
            EXPECT_TRUE(restore->isVisible());
            listed = restore->findChild<QTableWidget*>(QStringLiteral("fpSnapshots"))->rowCount();
            restore->reject();
        });
        button("bRestoreSnapshot")->click();
        EXPECT_EQ(listed, showing);
        ASSERT_TRUE(Snapshots::Take(state.connection(), QStringLiteral("manual")).ok());
    }
}

}  // namespace
