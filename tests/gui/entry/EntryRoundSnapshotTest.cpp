#include "entry/frmEnterDual.h"

#include "db/Snapshots.h"
#include "entry/BoutResults.h"
#include "gui/entry/EntryWindowFixture.h"
#include "support/FileBytes.h"
#include "support/FullEventResults.h"
#include "support/ReadValue.h"
#include "support/SnapshotReasons.h"

#include <QPushButton>

namespace {

// Round 2 of event 0 fenced but for strip set 1: group F (15..17) against group H (21..23),
// whose dual the window shows.
class EntryRoundSnapshotTest : public EntryWindowFixture {
protected:
    EntryRoundSnapshotTest() {
        FullEventResults(file).fenceRound(0, 1);
        file.exec(
            QStringLiteral("DELETE FROM Results WHERE Weapon = 0 AND "
                           "FencerNumber IN (15, 16, 17, 21, 22, 23) AND "
                           "Opponent IN (15, 16, 17, 21, 22, 23)"));
        open();
        state.CurrentRound = 1;
        state.CurrentStripSet = 1;
    }
    void typeTheDual() {
        for (int k = 0; k < 9; ++k) {
            type(QStringLiteral("53"));
            press(Qt::Key_Return);
        }
    }
    QLineEdit* score(int k) { return box(window, QStringLiteral("Score%1").arg(k)); }
    QPushButton* bSave() { return window.findChild<QPushButton*>(QStringLiteral("bSave")); }
    QStringList reasons() const { return SnapshotReasons(file.path()); }
    static void activate(QWidget& window) {
        QEvent activated(QEvent::WindowActivate);
        QApplication::sendEvent(&window, &activated);
    }

    frmEnterDual window{state, prompter};
};

TEST_F(EntryRoundSnapshotTest, TheSaveThatCompletesTheRoundKeepsOneSnapshot) {
    show(window);
    typeTheDual();
    press(Qt::Key_Return);
    EXPECT_FALSE(bSave()->isEnabled());
    EXPECT_EQ(reasons(), QStringList({"round_ms_2"}));
    EXPECT_TRUE(prompter.asked.empty());

    score(0)->setFocus();
    type(QStringLiteral("54"));
    bSave()->click();
    EXPECT_EQ(Value(BoutResults::Read(file.db(), 0, 17, 23)), (BoutScore{5, 4, true}));
    EXPECT_EQ(reasons(), QStringList({"round_ms_2"})) << "once per event and round";
}

TEST_F(EntryRoundSnapshotTest, ASnapshotThatCannotBeMadeIsToldAndTheSaveStands) {
    WriteBytes(Snapshots::FolderFor(file.path()), QByteArray("in the way"));
    show(window);
    typeTheDual();
    press(Qt::Key_Return);
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(prompter.asked[0].text.startsWith(QLatin1String("The results are saved")));
    EXPECT_TRUE(prompter.asked[0].text.contains(QLatin1String("is a file, not a folder")));
    EXPECT_FALSE(bSave()->isEnabled());
    EXPECT_EQ(Value(BoutResults::Read(file.db(), 0, 17, 23)), (BoutScore{5, 3, true}));
}

TEST_F(EntryRoundSnapshotTest, AfterARestoreTheWindowShowsTheFileOrKeepsWhatWasTyped) {
    const QString empty = Value(Snapshots::Take(state.connection(), QStringLiteral("manual")));
    ChampionshipBuilder(file).addBout(0, 17, 23, 5, 2, true);
    show(window);
    EXPECT_EQ(score(0)->text(), QStringLiteral("5-2"));
    ASSERT_TRUE(state.RestoreSnapshot(empty).ok());
    activate(window);
    EXPECT_EQ(score(0)->text(), QString()) << "the restored file has no such bout";
    EXPECT_TRUE(prompter.asked.empty());

    score(1)->setFocus();
    type(QStringLiteral("41"));
    press(Qt::Key_Tab);
    ASSERT_TRUE(bSave()->isEnabled());
    ASSERT_TRUE(state.RestoreSnapshot(empty).ok());
    activate(window);
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].title, QStringLiteral("Snapshot Restored"));
    EXPECT_EQ(score(1)->text(), QStringLiteral("4-1")) << "typed results are never dropped";
    EXPECT_TRUE(bSave()->isEnabled());
    activate(window);
    EXPECT_EQ(prompter.asked.size(), 1u) << "told once";
}

}  // namespace
