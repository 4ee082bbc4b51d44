#include "app/frmMain.h"
#include "gui/entry/EntryWindowFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QTimer>

namespace {

QWidget* visibleWindow(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->objectName() == name) {
            return w;
        }
    }
    return nullptr;
}

class EnterResultsLoopTest : public EntryWindowFixture {};

TEST_F(EnterResultsLoopTest, WindowsHandOverThroughTheLoopUntilOneIsClosed) {
    frmMain main(state, prompter);
    main.OpenDatabase(file.path(), true);
    auto* enter = main.findChild<QPushButton*>(QStringLiteral("bEnterResults"));
    ASSERT_TRUE(enter->isEnabled());

    // Pool >> dual of round 2, << back to the pool, then the pool is closed.
    const QStringList expected = {"frmEnterPool", "frmEnterDual", "frmEnterPool"};
    int step = 0;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        QWidget* w = step < expected.size() ? visibleWindow(expected[step]) : nullptr;
        if (!w) {
            return;
        }
        ++step;
        if (step == 1) {
            w->findChild<QPushButton*>(QStringLiteral("bNextRound"))->click();
        } else if (step == 2) {
            EXPECT_EQ(state.CurrentRound, 1);
            EXPECT_TRUE(w->findChild<QAction*>(QStringLiteral("mFinalFour"))->isEnabled());
            w->findChild<QPushButton*>(QStringLiteral("bPrevRound"))->click();
        } else {
            EXPECT_EQ(state.CurrentRound, 0);
            static_cast<QDialog*>(w)->reject();
        }
    });
    driver.start(10);
    enter->click();
    driver.stop();
    EXPECT_EQ(step, 3);
    EXPECT_EQ(state.CurrentRound, 0);
    EXPECT_FALSE(main.findChild<QCheckBox*>(QStringLiteral("cbKeepEntering"))->isChecked());
}

TEST_F(EnterResultsLoopTest, TheFinalFourIsReachedFromThePoolAndLeftForARound) {
    frmMain main(state, prompter);
    main.OpenDatabase(file.path(), true);
    // The unseeded event offers the seeding; the answer is no.
    prompter.answers = {QMessageBox::No};
    const QStringList expected = {"frmEnterPool", "frmEnterFinal4", "frmEnterDual"};
    int step = 0;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        QWidget* w = step < expected.size() ? visibleWindow(expected[step]) : nullptr;
        if (!w) {
            return;
        }
        ++step;
        if (step == 1) {
            w->findChild<QAction*>(QStringLiteral("mFinalFour"))->trigger();
        } else if (step == 2) {
            EXPECT_EQ(state.CurrentRound, 8);
            w->findChild<QAction*>(QStringLiteral("mRound2"))->trigger();
        } else {
            EXPECT_EQ(state.CurrentRound, 2);
            static_cast<QDialog*>(w)->reject();
        }
    });
    driver.start(10);
    main.findChild<QPushButton*>(QStringLiteral("bEnterResults"))->click();
    driver.stop();
    EXPECT_EQ(step, 3);
    EXPECT_EQ(prompter.asked.size(), 1u);
}

TEST_F(EnterResultsLoopTest, EnterResultsAtTheFinalFourRoundOpensTheFinalFourWindow) {
    frmMain main(state, prompter);
    main.OpenDatabase(file.path(), true);
    state.CurrentRound = 8;
    prompter.answers = {QMessageBox::No};
    QTimer driver;
    bool seen = false;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        if (QWidget* w = visibleWindow(QStringLiteral("frmEnterFinal4"))) {
            seen = true;
            static_cast<QDialog*>(w)->reject();
        }
    });
    driver.start(10);
    main.findChild<QPushButton*>(QStringLiteral("bEnterResults"))->click();
    driver.stop();
    EXPECT_TRUE(seen);
    EXPECT_EQ(state.CurrentRound, 8);
}

}  // namespace
