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
            EXPECT_FALSE(w->findChild<QAction*>(QStringLiteral("mFinalFour"))->isEnabled());
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

TEST_F(EnterResultsLoopTest, TheFinalFourRoundOpensNothingWhileItsWindowIsMissing) {
    frmMain main(state, prompter);
    main.OpenDatabase(file.path(), true);
    state.CurrentRound = 8;
    main.findChild<QPushButton*>(QStringLiteral("bEnterResults"))->click();
    EXPECT_EQ(visibleWindow(QStringLiteral("frmEnterPool")), nullptr);
    EXPECT_EQ(visibleWindow(QStringLiteral("frmEnterDual")), nullptr);
}

}  // namespace
