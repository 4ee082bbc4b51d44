#include "app/frmUtilities.h"
#include "db/ORLEMain.h"
#include "db/frmHistory.h"
#include "entry/BoutResults.h"
#include "support/ChampionshipBuilder.h"
#include "support/ScriptedPrompter.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

namespace {

using QMB = QMessageBox;

class frmHistoryTest : public ::testing::Test {
protected:
    frmHistoryTest() {
        ChampionshipBuilder(file).drawFullEvent(0);
        ChampionshipBuilder(file).drawFullEvent(3);
        state.OpenDatabase(file.path());
        save(0, 0, 1, BoutScore{5, 2, true});
        save(0, 0, 1, BoutScore{1, 5, false});
        save(3, 4, 5, BoutScore{5, 4, true});
    }
    void save(int event, int a, int b, std::optional<BoutScore> score) const {
        ASSERT_TRUE(BoutResults::Write(state.connection(), event, {{a, b, score}}).ok());
    }
    std::optional<BoutScore> stored() const {
        return *BoutResults::Read(state.connection(), 0, 0, 1);
    }
    template <class T>
    T* child(const char* name) {
        return window.findChild<T*>(QLatin1String(name));
    }
    QTableWidget* table() { return child<QTableWidget>("fpHistory"); }
    QString cell(int row, int column) { return table()->item(row, column)->text(); }

    TempChampionship file;
    QTemporaryDir settingsDir;
    ORLEMain state{std::make_unique<RegistrySettings>(settingsDir.filePath("orle.ini"))};
    ScriptedPrompter prompter;
    frmHistory window{state, prompter};
};

TEST_F(frmHistoryTest, ListsChangesNewestFirstAndFiltersByEventRoundAndFencer) {
    window.setFilter(std::nullopt, std::nullopt);
    ASSERT_EQ(table()->rowCount(), 3);
    EXPECT_EQ(cell(0, 4), QStringLiteral("WS"));
    EXPECT_EQ(cell(1, 8), QStringLiteral("5-2"));
    EXPECT_EQ(cell(1, 9), QStringLiteral("1-5"));
    EXPECT_EQ(cell(1, 7), QStringLiteral("0 First0 Last0 – 1 First1 Last1"));
    EXPECT_EQ(child<QLabel>("lCount")->text(), QStringLiteral("3 changes"));
    EXPECT_FALSE(child<QComboBox>("cbFencer")->isEnabled());

    child<QComboBox>("cbWeapon")->setCurrentIndex(1);  // the first event
    EXPECT_EQ(table()->rowCount(), 2);
    auto* fencers = child<QComboBox>("cbFencer");
    EXPECT_TRUE(fencers->isEnabled());
    fencers->setCurrentIndex(fencers->findData(7));
    EXPECT_EQ(table()->rowCount(), 0);
    EXPECT_EQ(child<QLabel>("lCount")->text(), QStringLiteral("0 changes"));
    fencers->setCurrentIndex(0);
    child<QComboBox>("cbRound")->setCurrentIndex(2);  // round 2: the pool bouts are in round 1
    EXPECT_EQ(table()->rowCount(), 0);
}

TEST_F(frmHistoryTest, RevertPutsTheBoutBackAndAsksFirstWhenItChangedSince) {
    window.setFilter(0, std::nullopt);
    auto* revert = child<QPushButton>("bRevert");
    // The first change (no result to 5-2); the bout was changed again since, to 1-5.
    table()->selectRow(1);
    ASSERT_TRUE(revert->isEnabled());
    prompter.answers = {QMB::No};
    revert->click();
    ASSERT_EQ(prompter.asked.size(), 1U);
    EXPECT_TRUE(prompter.asked[0].text.contains(QStringLiteral("changed again")));
    EXPECT_TRUE(prompter.asked[0].text.contains(QStringLiteral("1-5")));
    EXPECT_EQ(stored(), (BoutScore{1, 5, false}));
    EXPECT_FALSE(window.reverted());

    prompter.answers = {QMB::Yes};
    revert->click();
    EXPECT_EQ(stored(), std::nullopt);
    EXPECT_TRUE(window.reverted());
    ASSERT_EQ(table()->rowCount(), 3);
    EXPECT_EQ(cell(0, 3), QStringLiteral("revert"));

    // The revert is the bout's newest change: undoing it needs no question.
    table()->selectRow(0);
    revert->click();
    EXPECT_EQ(prompter.asked.size(), 2U);
    EXPECT_EQ(stored(), (BoutScore{1, 5, false}));
}

TEST_F(frmHistoryTest, OtherChangesAreShownButCannotBeReverted) {
    ASSERT_TRUE(state.connection()
                    .exec(QStringLiteral("UPDATE Teams SET Abbreviation = 'XYZ' WHERE Team = 1"))
                    .ok());
    window.setFilter(std::nullopt, std::nullopt);
    EXPECT_EQ(cell(0, 3), QStringLiteral("school"));
    EXPECT_EQ(cell(0, 1), QStringLiteral("unknown"));
    table()->selectRow(0);
    EXPECT_FALSE(child<QPushButton>("bRevert")->isEnabled());
}

TEST(frmHistoryFromUtilitiesTest, OpensTwiceFromTheUtilitiesWindowAndShowsTheLatest) {
    TempChampionship file;
    ChampionshipBuilder(file).drawFullEvent(0);
    QTemporaryDir settingsDir;
    ORLEMain state{std::make_unique<RegistrySettings>(settingsDir.filePath("orle.ini"))};
    state.OpenDatabase(file.path());
    ScriptedPrompter prompter;
    frmUtilities utilities{state, prompter};
    auto* history = utilities.findChild<QPushButton*>(QStringLiteral("bHistory"));
    ASSERT_NE(history, nullptr);
    EXPECT_EQ(history->text(), QStringLiteral("&History..."));
    for (int showing = 1; showing <= 2; ++showing) {
        ASSERT_TRUE(
            BoutResults::Write(state.connection(), 0, {{0, showing, BoutScore{5, 1, true}}}).ok());
        int rows = -1;
        QTimer::singleShot(0, &utilities, [&] {
            auto* window = utilities.findChild<frmHistory*>();
            ASSERT_NE(window, nullptr);
            rows = window->findChild<QTableWidget*>(QStringLiteral("fpHistory"))->rowCount();
            window->close();
        });
        history->click();
        EXPECT_EQ(rows, showing);
    }
}

}  // namespace
