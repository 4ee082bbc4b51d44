#include "app/frmColors.h"
#include "app/frmUtilities.h"
#include "db/ORLEMain.h"
#include "support/ScriptedPrompter.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>

namespace {

class frmColorsTest : public ::testing::Test {
protected:
    frmColorsTest() : state(std::make_unique<RegistrySettings>(iniPath())) {
        state.OpenDatabase(file.path());
        state.EventColors[1] = 0x123456u;  // not the default
        window = std::make_unique<frmColors>(state, prompter, nullptr,
                                             [this](QWidget*, const QColor& initial) {
                                                 offered << initial;
                                                 if (dialogAnswers.empty()) {
                                                     return initial;
                                                 }
                                                 const QColor c = dialogAnswers.front();
                                                 dialogAnswers.pop_front();
                                                 return c;
                                             });
        window->show();
    }
    QString iniPath() const { return file.folder() + QStringLiteral("/settings.ini"); }
    // What the settings hold for "Color<n>", or -1 when nothing was written.
    long long stored(int event) const {
        QSettings ini(iniPath(), QSettings::IniFormat);
        const QString name = QStringLiteral("Color%1").arg(event + 1);
        return ini.contains(name) ? ini.value(name).toLongLong() : -1;
    }
    QPushButton* save() const { return window->findChild<QPushButton*>(QStringLiteral("bSave")); }
    QLabel* colorBox(int w) const {
        return window->findChild<QLabel*>(QStringLiteral("lWeaponColor%1").arg(w));
    }
    QRgb shown(int w) const { return colorBox(w)->palette().color(QPalette::Window).rgb(); }
    void restoreDefault(int w) {
        window->lWeaponColor_RightClick(w, QPoint(0, 0));
        window->findChild<QAction*>(QStringLiteral("mRCRestore"))->trigger();
        window->popupMenu()->hide();
    }

    TempChampionship file;
    ORLEMain state;
    ScriptedPrompter prompter;
    std::deque<QColor> dialogAnswers;
    QList<QColor> offered;
    std::unique_ptr<frmColors> window;
};

}  // namespace

TEST_F(frmColorsTest, ShowsEventsWithTheirColoursAndNothingToSave) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Assign Weapon Colors"));
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("lWeaponName3"))->text(),
              QStringLiteral("Women's Saber"));
    EXPECT_EQ(shown(1), qRgb(0x56, 0x34, 0x12));
    EXPECT_EQ(shown(0), qRgb(255, 200, 200));
    EXPECT_FALSE(save()->isEnabled());
}

TEST_F(frmColorsTest, DoubleClickTakesTheChosenColourAndSaveWritesOnlyChangedEvents) {
    dialogAnswers.push_back(QColor(10, 20, 30));
    QTest::mouseDClick(colorBox(2), Qt::LeftButton);
    EXPECT_EQ(offered.value(0), QColor(192, 255, 192));
    EXPECT_EQ(shown(2), qRgb(10, 20, 30));
    EXPECT_TRUE(save()->isEnabled());
    save()->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(state.EventColors[2], 0x1E140Au);
    EXPECT_EQ(stored(2), 0x1E140A);
    EXPECT_EQ(stored(0), -1);
    EXPECT_EQ(stored(1), -1);
    EXPECT_TRUE(prompter.asked.empty());
}

TEST_F(frmColorsTest, BlackIsRefusedAndCancellingTheDialogChangesNothing) {
    dialogAnswers.push_back(QColor(0, 0, 0));
    window->lWeaponColor_DblClick(4);
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].text, QStringLiteral("Black is not a permitted color."));
    EXPECT_EQ(prompter.asked[0].icon, QMessageBox::Warning);
    EXPECT_EQ(shown(4), qRgb(255, 255, 160));
    window->lWeaponColor_DblClick(4);  // cancelled: the initial colour comes back
    EXPECT_FALSE(save()->isEnabled());
}

TEST_F(frmColorsTest, RestoringTheDefaultWritesZeroOnlyWhereTheColourInUseDiffered) {
    restoreDefault(0);  // already the default: Save lights up but nothing is written
    EXPECT_TRUE(save()->isEnabled());
    dialogAnswers.push_back(QColor(1, 2, 3));
    window->lWeaponColor_DblClick(1);
    restoreDefault(1);  // in use was not the default: 0 is written
    EXPECT_EQ(shown(1), qRgb(192, 255, 255));
    window->bSave_Click();
    EXPECT_EQ(stored(0), -1);
    EXPECT_EQ(stored(1), 0);
    EXPECT_EQ(state.EventColors[1], state.DefaultColors[1]);
}

TEST_F(frmColorsTest, ClosingWithChangesAsksAndCancelYesNoEachDoWhatTheySay) {
    dialogAnswers.push_back(QColor(9, 9, 9));
    window->lWeaponColor_DblClick(5);
    prompter.answers = {QMessageBox::Cancel};
    window->findChild<QPushButton*>(QStringLiteral("bCancel"))->click();
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].title, QStringLiteral("Save Changes"));
    EXPECT_EQ(prompter.asked[0].text,
              QStringLiteral("Changes have not been saved. Do you want to save now?"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(save()->isEnabled());

    prompter.answers = {QMessageBox::No};
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(stored(5), -1);
    EXPECT_EQ(state.EventColors[5], state.DefaultColors[5]);

    window->show();
    window->Form_Load();
    dialogAnswers.push_back(QColor(9, 9, 9));
    window->lWeaponColor_DblClick(5);
    prompter.answers = {QMessageBox::Yes};
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(stored(5), 0x090909);
}

TEST_F(frmColorsTest, AFailedWriteIsToldAndKeepsTheWindowAndTheChange) {
    // A settings file that cannot be written: a folder stands in its place.
    const QString blocked = file.folder() + QStringLiteral("/blocked.ini");
    QDir().mkpath(blocked);
    ORLEMain locked(std::make_unique<RegistrySettings>(blocked));
    frmColors colors(locked, prompter, nullptr,
                     [](QWidget*, const QColor&) { return QColor(50, 60, 70); });
    colors.show();
    colors.lWeaponColor_DblClick(0);
    colors.bSave_Click();
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].icon, QMessageBox::Critical);
    EXPECT_TRUE(colors.isVisible());
    EXPECT_TRUE(colors.findChild<QPushButton*>(QStringLiteral("bSave"))->isEnabled());
    EXPECT_EQ(locked.EventColors[0], locked.DefaultColors[0]);
}

TEST_F(frmColorsTest, SpaceAndTheRightButtonReachTheDialogAndTheDefaultToo) {
    dialogAnswers.push_back(QColor(200, 100, 50));
    QTest::keyClick(colorBox(3), Qt::Key_Space);
    EXPECT_EQ(shown(3), qRgb(200, 100, 50));
    QTest::mouseRelease(colorBox(3), Qt::RightButton);
    ASSERT_TRUE(window->popupMenu()->isVisible());
    window->findChild<QAction*>(QStringLiteral("mRCRestore"))->trigger();
    window->popupMenu()->hide();
    EXPECT_EQ(shown(3), qRgb(232, 184, 232));
}

TEST(frmUtilitiesWeaponColors, TheUtilitiesButtonOpensTheColoursWindow) {
    QTemporaryDir dir;
    ORLEMain state(
        std::make_unique<RegistrySettings>(dir.filePath(QStringLiteral("settings.ini"))));
    ScriptedPrompter prompter;
    frmUtilities utilities(state, prompter);
    auto* button = utilities.findChild<QPushButton*>(QStringLiteral("bColors"));
    ASSERT_TRUE(button->isEnabled());
    QString opened;
    QString firstEvent;
    QTimer::singleShot(0, &utilities, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened = modal->objectName();
            firstEvent = modal->findChild<QLabel*>(QStringLiteral("lWeaponName0"))->text();
            modal->close();
        }
    });
    button->click();
    EXPECT_EQ(opened, QStringLiteral("frmColors"));
    EXPECT_EQ(firstEvent, QStringLiteral("MS"));
}
