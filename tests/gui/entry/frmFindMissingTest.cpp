#include "app/frmMain.h"
#include "entry/frmFindMissing.h"
#include "gui/entry/EntryWindowFixture.h"
#include "support/FullEventResults.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

namespace {

class frmFindMissingTest : public EntryWindowFixture {
protected:
    QCheckBox* cb(frmFindMissing& window, int index) {
        auto* found = window.findChild<QCheckBox*>(QStringLiteral("cbReported%1").arg(index));
        EXPECT_NE(found, nullptr) << index;
        return found;
    }
    // The nine bouts of round two, strip set 0 of event 0: fencers 0..2 against 12..14.
    void reportDual(int count) const {
        ChampionshipBuilder builder(file);
        for (int left = 0; left < 3; ++left) {
            for (int right = 12; right < 15 && count > 0; ++right, --count) {
                builder.addBout(0, left, right, 5, 1, true);
            }
        }
    }
};

TEST_F(frmFindMissingTest, BoxesShowHowFarEachStripHasBeenReported) {
    open();
    FullEventResults(file).fenceRound(1, 0);
    reportDual(5);
    frmFindMissing window(state, prompter);
    window.Form_Load();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Missing Results"));
    EXPECT_EQ(text(window, QStringLiteral("lWeaponName2")), QStringLiteral("Men's Epée"));
    EXPECT_EQ(text(window, QStringLiteral("lStripSet23")),
              state.connection()
                  .queryText(QStringLiteral(
                      "SELECT StripName FROM StripNumbers WHERE Weapon = 2 AND StripSet = 3"))
                  ->value_or(QStringLiteral("?")));
    EXPECT_EQ(text(window, QStringLiteral("lRound6")), QStringLiteral("Round 7"));
    EXPECT_EQ(cb(window, 10)->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(cb(window, 11)->checkState(), Qt::Unchecked);
    for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(cb(window, 100 + s)->checkState(), Qt::Checked) << s;
        EXPECT_EQ(cb(window, 110 + s)->checkState(), Qt::Unchecked) << s;
    }
    EXPECT_EQ(cb(window, 563)->checkState(), Qt::Unchecked);

    // Results entered elsewhere show at the next evaluation.
    file.exec(QStringLiteral("DELETE FROM Results WHERE Weapon = 0"));
    reportDual(9);
    EXPECT_EQ(cb(window, 10)->checkState(), Qt::PartiallyChecked);
    window.EvaluateAll();
    EXPECT_EQ(cb(window, 10)->checkState(), Qt::Checked);
}

TEST_F(frmFindMissingTest, ABoxOpensItsStripAndIsReadAgainAfterwards) {
    open();
    frmFindMissing window(state, prompter);
    QList<QList<int>> opened;
    window.setEnterResults([&] {
        opened.append({state.CurrentWeapon, state.CurrentRound, state.CurrentStripSet});
        if (opened.size() == 1) {
            reportDual(9);  // as if the staff typed the dual's scoresheet
        }
    });
    window.Form_Load();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    QTest::mouseClick(cb(window, 202), Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0], (QList<int>{2, 0, 2}));
    EXPECT_EQ(cb(window, 202)->checkState(), Qt::Unchecked);  // a click does not tick it
    EXPECT_EQ(cb(window, 10)->checkState(), Qt::Checked);

    // Keyboard: arrows walk the grid, Space and Enter open the strip under the focus.
    cb(window, 10)->setFocus();
    press(Qt::Key_Right);
    press(Qt::Key_Right);
    EXPECT_EQ(focusName(), QStringLiteral("cbReported30"));
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    EXPECT_EQ(focusName(), QStringLiteral("cbReported130"));
    press(Qt::Key_Up);
    EXPECT_EQ(focusName(), QStringLiteral("cbReported33"));
    press(Qt::Key_Space);
    press(Qt::Key_Return);
    ASSERT_EQ(opened.size(), 3);
    EXPECT_EQ(opened[1], (QList<int>{0, 3, 3}));
    EXPECT_EQ(opened[2], opened[1]);
    EXPECT_EQ(cb(window, 33)->checkState(), Qt::Unchecked);

    QSignalSpy closed(&window, &QDialog::finished);
    window.findChild<QPushButton*>(QStringLiteral("bReturn"))->click();
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(frmFindMissingTest, RoundsAndStripsBeyondTheGroupsOfTheFileAreDisabled) {
    open();
    state.LastRound = 4;
    state.LastStripSet = 2;
    frmFindMissing window(state, prompter);
    window.Form_Load();
    EXPECT_TRUE(cb(window, 442)->isEnabled());
    EXPECT_FALSE(cb(window, 452)->isEnabled());
    EXPECT_FALSE(cb(window, 443)->isEnabled());
}

QWidget* visibleWindow(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->objectName() == name) {
            return w;
        }
    }
    return nullptr;
}

// From the main window: the finder, a round-one box opens the pool, a round-three box the
// dual; closing those leads back to the finder.
TEST_F(frmFindMissingTest, TheMainWindowsFinderOpensThePoolOrTheDualEntry) {
    frmMain main(state, prompter);
    main.OpenDatabase(file.path(), true);
    QStringList seen;
    int step = 0;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        QWidget* finder = visibleWindow(QStringLiteral("frmFindMissing"));
        QWidget* pool = visibleWindow(QStringLiteral("frmEnterPool"));
        QWidget* dual = visibleWindow(QStringLiteral("frmEnterDual"));
        if (pool != nullptr || dual != nullptr) {
            QWidget* entry = pool != nullptr ? pool : dual;
            seen << QStringLiteral("%1 %2/%3/%4")
                        .arg(entry->objectName())
                        .arg(state.CurrentWeapon)
                        .arg(state.CurrentRound)
                        .arg(state.CurrentStripSet);
            static_cast<QDialog*>(entry)->reject();
        } else if (finder != nullptr) {
            ++step;
            const int index = step == 1 ? 202 : step == 2 ? 521 : -1;
            if (index < 0) {
                static_cast<QDialog*>(finder)->reject();
                return;
            }
            auto* box = finder->findChild<QCheckBox*>(QStringLiteral("cbReported%1").arg(index));
            // The entry window's own loop must not run inside this timer's tick.
            QTimer::singleShot(0, box, [box] { QTest::mousePress(box, Qt::LeftButton); });
        }
    });
    driver.start(20);
    main.findChild<QPushButton*>(QStringLiteral("bUnreported"))->click();
    driver.stop();
    EXPECT_EQ(seen, (QStringList{"frmEnterPool 2/0/2", "frmEnterDual 5/2/1"}));
}

}  // namespace
