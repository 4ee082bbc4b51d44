#include "app/frmRestoreSnapshot.h"

#include "gui/ChampionshipWindowFixture.h"
#include "support/ChampionshipBuilder.h"
#include "support/ReadValue.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace {

using QMB = QMessageBox;

// Event 0 drawn with one bout recorded; the file is open in the shared state.
class frmRestoreSnapshotTest : public ChampionshipWindowFixture {
protected:
    frmRestoreSnapshotTest() {
        ChampionshipBuilder(file).drawFullEvent(0);
        ChampionshipBuilder(file).addBout(0, 0, 1, 5, 2, true);
        state.OpenDatabase(file.path());
    }
    QString take(const char* reason) const {
        return Value(Snapshots::Take(state.connection(), QLatin1String(reason)));
    }
    void load() {
        window.Form_Load();
        showAndActivate(window);
    }
    QTableWidget* table() const { return window.findChild<QTableWidget*>("fpSnapshots"); }
    QPushButton* button(const char* name) const {
        return window.findChild<QPushButton*>(QLatin1String(name));
    }
    QStringList column(int c) const {
        QStringList cells;
        for (int row = 0; row < table()->rowCount(); ++row) {
            cells << table()->item(row, c)->text();
        }
        return cells;
    }
    long long bouts() const { return file.count(QStringLiteral("SELECT COUNT(*) FROM Results")); }

    frmRestoreSnapshot window{state, prompter};
};

TEST_F(frmRestoreSnapshotTest, ListsNewestFirstAndRestoresTheChosenOneAfterTheQuestion) {
    const QString oneBout = take("manual");
    ChampionshipBuilder(file).addBout(0, 3, 4, 5, 1, true);
    const QString twoBouts = take("before_lunch");
    ChampionshipBuilder(file).addBout(0, 6, 7, 5, 1, true);
    load();
    ASSERT_EQ(table()->columnCount(), 3);
    EXPECT_EQ(table()->horizontalHeaderItem(0)->text(), QStringLiteral("When"));
    EXPECT_EQ(column(1), QStringList({"before_lunch", "manual"}));
    EXPECT_EQ(column(2),
              QStringList({QFileInfo(twoBouts).fileName(), QFileInfo(oneBout).fileName()}));
    EXPECT_EQ(QApplication::focusWidget(), table());

    table()->selectRow(1);
    prompter.answers = {QMB::No};
    button("bRestore")->click();
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].defaultButton, QMB::No);
    EXPECT_TRUE(prompter.asked[0].text.contains(QLatin1String("(manual)")));
    EXPECT_EQ(bouts(), 6);

    const int generation = state.DataGeneration();
    prompter.answers = {QMB::Yes};
    table()->setFocus();
    press(Qt::Key_Return);
    EXPECT_EQ(bouts(), 2) << "the file is back at one bout";
    EXPECT_NE(state.DataGeneration(), generation);
    ASSERT_EQ(prompter.asked.size(), 3u);
    EXPECT_EQ(prompter.asked[2].icon, QMB::Information);
    ASSERT_EQ(column(1), QStringList({"restore", "before_lunch", "manual"}));
    EXPECT_TRUE(prompter.asked[2].text.contains(column(2).first()))
        << prompter.asked[2].text.toStdString();

    press(Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    take("after");
    load();
    EXPECT_EQ(column(1).first(), QStringLiteral("after")) << "the list is read at every showing";
}

TEST_F(frmRestoreSnapshotTest, ASnapshotGoneSinceListingIsToldAndNothingChanges) {
    const QString gone = take("manual");
    load();
    QFile::remove(gone);
    prompter.answers = {QMB::Yes};
    button("bRestore")->click();
    ASSERT_EQ(prompter.asked.size(), 2u);
    EXPECT_EQ(prompter.asked[1].icon, QMB::Critical);
    EXPECT_TRUE(prompter.asked[1].text.startsWith(QLatin1String("The snapshot was not restored.")));
    EXPECT_TRUE(prompter.asked[1].text.contains(QLatin1String("is not there")));
    EXPECT_EQ(bouts(), 2);
    EXPECT_EQ(table()->rowCount(), 0);
    EXPECT_FALSE(button("bRestore")->isEnabled());
}

TEST_F(frmRestoreSnapshotTest, AFileWithoutSnapshotsSaysSoAndOffersNoRestore) {
    load();
    EXPECT_EQ(table()->rowCount(), 0);
    EXPECT_FALSE(button("bRestore")->isEnabled());
    EXPECT_EQ(window.findChild<QLabel*>("lStatus")->text(),
              QStringLiteral("No snapshot of this file has been kept yet."));
    EXPECT_LE(window.width(), 1366);
    EXPECT_LE(window.height(), 768);
}

}  // namespace
