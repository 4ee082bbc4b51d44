#include "app/frmMain.h"
#include "db/ORLEMain.h"
#include "print/RecordingSink.h"
#include "print/frmPrintScoresheets.h"
#include "support/ChampionshipBuilder.h"
#include "support/ScriptedPrompter.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

class frmPrintScoresheetsTest : public ::testing::Test {
protected:
    frmPrintScoresheetsTest()
        : state(
              std::make_unique<RegistrySettings>(file.folder() + QStringLiteral("/settings.ini"))) {
        ChampionshipBuilder(file).drawFullEvent(0);
        ChampionshipBuilder(file).drawFullEvent(1);
        state.OpenDatabase(file.path());
        state.CurrentWeapon = 1;
        window = std::make_unique<frmPrintScoresheets>(state, prompter, nullptr, &printed,
                                                       [] { return QDate(2026, 12, 31); });
    }
    template <typename T>
    T* child(const QString& name) const {
        return window->findChild<T*>(name);
    }
    QCheckBox* round(int r) const { return child<QCheckBox>(QStringLiteral("cbRound%1").arg(r)); }
    QCheckBox* finalFour(int f) const {
        return child<QCheckBox>(QStringLiteral("cbFinalFour%1").arg(f));
    }
    QPushButton* strip(int s) const {
        return child<QPushButton>(QStringLiteral("bStrip%1").arg(s));
    }
    bool stripsEnabled() const {
        bool all = child<QMenu>(QStringLiteral("mStripHdr"))->isEnabled();
        bool none = !all;
        for (int s = 0; s < 4; ++s) {
            all = all && strip(s)->isEnabled();
            none = none && !strip(s)->isEnabled();
        }
        EXPECT_TRUE(all || none);
        return all;
    }
    QStringList allTexts() const {
        QStringList out;
        for (const PrintDocument& d : printed.documents) {
            for (int p = 0; p < d.pages.size(); ++p) {
                out << d.texts(p);
            }
        }
        return out;
    }

    TempChampionship file;
    ORLEMain state;
    ScriptedPrompter prompter;
    RecordingSink printed;
    std::unique_ptr<frmPrintScoresheets> window;
};

}  // namespace

TEST_F(frmPrintScoresheetsTest, OpensOnTheCurrentEventWithItsStripsAndNothingToPrint) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Print Scoresheets"));
    EXPECT_EQ(child<QLabel>(QStringLiteral("lWeaponName"))->text(), QStringLiteral("Men's Foil"));
    EXPECT_TRUE(child<QAction>(QStringLiteral("mWeapon1"))->isChecked());
    EXPECT_EQ(strip(0)->text(), QStringLiteral("Strip 5"));
    EXPECT_EQ(child<QAction>(QStringLiteral("mStrip3"))->text(), QStringLiteral("Strip 8"));
    EXPECT_FALSE(child<QPushButton>(QStringLiteral("bPrint"))->isEnabled());
    EXPECT_FALSE(child<QAction>(QStringLiteral("mPrint"))->isEnabled());
    EXPECT_FALSE(stripsEnabled());
    EXPECT_EQ(window->palette().color(QPalette::Window).rgb() & 0xFFFFFF, 0xC0FFFFu);

    child<QAction>(QStringLiteral("mWeapon0"))->trigger();
    EXPECT_EQ(child<QLabel>(QStringLiteral("lWeaponName"))->text(), QStringLiteral("Men's Saber"));
    EXPECT_EQ(strip(0)->text(), QStringLiteral("Strip 1"));
    EXPECT_EQ(window->chosenEvent(), 0);
}

TEST_F(frmPrintScoresheetsTest, StripsNeedExactlyOneRoundAndNoFinalFour) {
    round(2)->click();
    EXPECT_TRUE(stripsEnabled());
    EXPECT_TRUE(child<QPushButton>(QStringLiteral("bPrint"))->isEnabled());
    round(3)->click();
    EXPECT_FALSE(stripsEnabled());
    round(3)->click();
    finalFour(0)->click();
    EXPECT_FALSE(stripsEnabled());
    EXPECT_TRUE(child<QAction>(QStringLiteral("mPrint"))->isEnabled());
}

TEST_F(frmPrintScoresheetsTest, DayAndFinalFourButtonsCheckAllUnlessAllAreChecked) {
    round(1)->click();
    child<QPushButton>(QStringLiteral("bDayOne"))->click();
    for (int r = 0; r < 4; ++r) {
        EXPECT_TRUE(round(r)->isChecked()) << r;
    }
    child<QPushButton>(QStringLiteral("bDayOne"))->click();
    for (int r = 0; r < 4; ++r) {
        EXPECT_FALSE(round(r)->isChecked()) << r;
    }
    child<QPushButton>(QStringLiteral("bDayTwo"))->click();
    EXPECT_TRUE(round(4)->isChecked() && round(6)->isChecked());
    EXPECT_FALSE(round(3)->isChecked());
    child<QPushButton>(QStringLiteral("bFinalFour"))->click();
    EXPECT_TRUE(finalFour(0)->isChecked() && finalFour(1)->isChecked());
    child<QPushButton>(QStringLiteral("bFinalFour"))->click();
    EXPECT_FALSE(finalFour(0)->isChecked() || finalFour(1)->isChecked());
}

TEST_F(frmPrintScoresheetsTest, PrintSendsPoolsDualsAndFinalFourThenUnticksEverything) {
    round(0)->click();
    round(1)->click();
    round(4)->click();
    finalFour(0)->click();
    child<QCheckBox>(QStringLiteral("cbTomorrow"))->click();
    child<QPushButton>(QStringLiteral("bPrint"))->click();
    // Four pool sheets, one report of duals (two rounds of four strips), the semifinals.
    ASSERT_EQ(printed.documents.size(), 6);
    EXPECT_EQ(printed.documents[4].pages.size(), 8);
    EXPECT_EQ(printed.documents[5].pages.size(), 2);
    EXPECT_TRUE(allTexts().contains(QStringLiteral("Friday, January 1, 2027")));
    EXPECT_TRUE(allTexts().contains(QStringLiteral("Semifinal B")));
    for (int r = 0; r < 7; ++r) {
        EXPECT_FALSE(round(r)->isChecked());
    }
    EXPECT_FALSE(finalFour(0)->isChecked());
    EXPECT_TRUE(child<QCheckBox>(QStringLiteral("cbTomorrow"))->isChecked());
    EXPECT_FALSE(child<QPushButton>(QStringLiteral("bPrint"))->isEnabled());
    EXPECT_TRUE(prompter.asked.empty());
}

TEST_F(frmPrintScoresheetsTest, AStripButtonPrintsThatStripOnly) {
    state.CurrentWeapon = 0;
    file.exec(
        QStringLiteral("UPDATE StripNumbers SET StripName='10' WHERE Weapon=0 AND StripSet=0"));
    window->Form_Load();
    // Strips come by number: "10" is last, and its button prints strip set 0.
    EXPECT_EQ(strip(3)->text(), QStringLiteral("Strip 10"));
    round(0)->click();
    strip(3)->click();
    ASSERT_EQ(printed.documents.size(), 1);
    const QStringList texts = printed.documents[0].texts(0);
    EXPECT_TRUE(texts.join(QLatin1Char('|')).contains(QStringLiteral("Round 1, Pool 1")));
    EXPECT_TRUE(texts.join(QLatin1Char('|')).contains(QStringLiteral("Strip 10")));
}

TEST_F(frmPrintScoresheetsTest, TheMainButtonOpensTheWindow) {
    frmMain main(state, prompter);
    main.OpenDatabase(file.path(), true);
    auto* button = main.findChild<QPushButton*>(QStringLiteral("bPrintScoresheets"));
    ASSERT_TRUE(button->isEnabled());
    QString opened;
    QTimer::singleShot(0, &main, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened = modal->objectName();
            modal->close();
        }
    });
    button->click();
    EXPECT_EQ(opened, QStringLiteral("frmPrintScoresheets"));
}
