#include "app/frmMain.h"
#include "db/ORLEMain.h"
#include "print/RecordingSink.h"
#include "print/SharedPrinter.h"
#include "print/SystemPrinterSink.h"
#include "print/frmChooseOne.h"
#include "print/frmPrintSchedule.h"
#include "support/ChampionshipBuilder.h"
#include "support/PdfText.h"
#include "support/ScriptedPrompter.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

namespace {

class frmPrintScheduleTest : public ::testing::Test {
protected:
    frmPrintScheduleTest()
        : state(
              std::make_unique<RegistrySettings>(file.folder() + QStringLiteral("/settings.ini"))) {
        ChampionshipBuilder(file).drawFullEvent(0);
        ChampionshipBuilder(file).drawFullEvent(3);
        state.OpenDatabase(file.path());
    }
    template <typename T>
    T* child(const QString& name) const {
        return window->findChild<T*>(name);
    }
    QCheckBox* box(int w) const { return child<QCheckBox>(QStringLiteral("cbWeapon%1").arg(w)); }
    void open(int currentWeapon, PrintSink* sink) {
        state.CurrentWeapon = static_cast<short>(currentWeapon);
        window = std::make_unique<frmPrintSchedule>(state, prompter, nullptr, sink);
    }
    QStringList jobs() const {
        QStringList names;
        for (const PrintDocument& d : printed.documents) {
            names << d.jobName;
        }
        return names;
    }
    // Answers the school and fencer choice once it shows, then presses `button`.
    void whenChooserShows(const std::function<void(frmChooseOne&)>& answer) {
        QTimer::singleShot(0, window.get(), [this, answer] { answer(window->chooser()); });
    }

    TempChampionship file;
    ORLEMain state;
    ScriptedPrompter prompter;
    RecordingSink printed;
    std::unique_ptr<frmPrintSchedule> window;
};

}  // namespace

TEST_F(frmPrintScheduleTest, OpensOnTheGenderOfTheCurrentEventAndTogglesWholeGenders) {
    open(4, &printed);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Print Schedules"));
    EXPECT_EQ(box(0)->text(), QStringLiteral("Men's Saber"));
    for (int w = 0; w < 6; ++w) {
        EXPECT_EQ(box(w)->isChecked(), w >= 3) << w;
    }
    QPushButton* men = child<QPushButton>(QStringLiteral("bGender0"));
    EXPECT_EQ(men->text(), QStringLiteral("All &Men"));
    EXPECT_EQ(child<QPushButton>(QStringLiteral("bGender1"))->text(), QStringLiteral("All &Women"));

    men->click();
    for (int w = 0; w < 6; ++w) {
        EXPECT_TRUE(box(w)->isChecked()) << w;
    }
    box(1)->setChecked(false);
    men->click();  // one unchecked: all three checked
    EXPECT_TRUE(box(0)->isChecked() && box(1)->isChecked() && box(2)->isChecked());
    men->click();  // all checked: all three unchecked, women untouched
    EXPECT_FALSE(box(0)->isChecked() || box(1)->isChecked() || box(2)->isChecked());
    EXPECT_TRUE(box(3)->isChecked());

    child<QPushButton>(QStringLiteral("bGender1"))->click();
    for (const char* name : {"bPrint1", "bPrint4", "bPrintReferee0", "bPrintReferee1",
                             "bPrintCompetitor", "bPrintTeam"}) {
        EXPECT_FALSE(child<QPushButton>(QLatin1String(name))->isEnabled()) << name;
    }
    EXPECT_FALSE(child<QMenu>(QStringLiteral("mPrintHdr"))->isEnabled());
    child<QPushButton>(QStringLiteral("bGender2"))->click();
    EXPECT_TRUE(child<QPushButton>(QStringLiteral("bPrintTeam"))->isEnabled());
    EXPECT_TRUE(child<QMenu>(QStringLiteral("mPrintHdr"))->isEnabled());
}

TEST_F(frmPrintScheduleTest, EachPrintActionPrintsOneJobPerSheetForEveryCheckedEventInOrder) {
    open(0, &printed);
    box(1)->setChecked(false);
    box(2)->setChecked(false);
    box(3)->setChecked(true);
    child<QAction>(QStringLiteral("mPrint0"))->trigger();
    EXPECT_EQ(jobs(),
              (QStringList{"ORLE Groupings - Men's Saber", "ORLE Schedule - Men's Saber",
                           "ORLE Groupings - Women's Saber", "ORLE Schedule - Women's Saber"}));
    printed.documents.clear();

    child<QPushButton>(QStringLiteral("bPrint4"))->click();
    ASSERT_EQ(printed.documents.size(), 2);
    EXPECT_EQ(printed.documents[0].jobName, QStringLiteral("ORLE Groupings - Men's Saber"));
    EXPECT_TRUE(printed.documents[0].texts(0).contains(QStringLiteral("ROUND 5")));
    printed.documents.clear();

    child<QPushButton>(QStringLiteral("bPrintReferee1"))->click();
    ASSERT_EQ(printed.documents.size(), 2);
    EXPECT_TRUE(printed.documents[1].landscape);
    EXPECT_EQ(printed.documents[1].pages.size(), 1);
    EXPECT_EQ(printed.documents[1].jobName, QStringLiteral("ORLE Ref Assign - Women's Saber"));
    EXPECT_TRUE(prompter.asked.empty());
}

TEST_F(frmPrintScheduleTest, CompetitorSchedulesForAllSchoolsOrOneFencerAndNothingWhenCancelled) {
    open(0, &printed);
    whenChooserShows([](frmChooseOne& choose) {
        EXPECT_FALSE(choose.findChild<QComboBox*>(QStringLiteral("cFencer"))->isEnabled());
        choose.findChild<QPushButton*>(QStringLiteral("bCancel"))->click();
    });
    child<QPushButton>(QStringLiteral("bPrintCompetitor"))->click();
    EXPECT_TRUE(printed.documents.isEmpty());

    whenChooserShows([](frmChooseOne& choose) {
        choose.findChild<QPushButton*>(QStringLiteral("bRun"))->click();
    });
    child<QPushButton>(QStringLiteral("bPrintCompetitor"))->click();
    ASSERT_EQ(printed.documents.size(), 1);
    EXPECT_EQ(printed.documents[0].pages.size(), 24);
    printed.documents.clear();

    whenChooserShows([](frmChooseOne& choose) {
        auto* team = choose.findChild<QComboBox*>(QStringLiteral("cTeam"));
        auto* fencer = choose.findChild<QComboBox*>(QStringLiteral("cFencer"));
        team->setCurrentIndex(team->findText(QStringLiteral("Brown")));
        EXPECT_TRUE(fencer->isEnabled());
        EXPECT_EQ(choose.ChosenFencer(), frmChooseOne::kAll);
        fencer->setCurrentIndex(1);
        EXPECT_EQ(choose.ChosenFencer(), 4);
        choose.findChild<QPushButton*>(QStringLiteral("bRun"))->click();
    });
    child<QPushButton>(QStringLiteral("bPrintCompetitor"))->click();
    ASSERT_EQ(printed.documents.size(), 1);
    ASSERT_EQ(printed.documents[0].pages.size(), 1);
    EXPECT_TRUE(printed.documents[0].texts(0).contains(QStringLiteral("First4 Last4")));
}

TEST_F(frmPrintScheduleTest, TeamSchedulesAskOnlyForTheSchoolAndNeedAnEvent) {
    open(0, &printed);
    whenChooserShows([](frmChooseOne& choose) {
        EXPECT_TRUE(choose.findChild<QComboBox*>(QStringLiteral("cFencer"))->isHidden());
        choose.findChild<QPushButton*>(QStringLiteral("bRun"))->click();
    });
    child<QPushButton>(QStringLiteral("bPrintTeam"))->click();
    ASSERT_EQ(printed.documents.size(), 1);
    EXPECT_EQ(printed.documents[0].pages.size(), 24);

    child<QPushButton>(QStringLiteral("bGender0"))->click();
    window->bPrintTeam_Click();  // no event checked: the chooser never shows
    EXPECT_EQ(printed.documents.size(), 1);
}

TEST_F(frmPrintScheduleTest, WithoutAPrinterTheSheetsBecomePdfsBesideTheFileAndTheUserIsTold) {
    if (SystemPrinterSink::HasPrinter(SharedPrinter())) {
        GTEST_SKIP() << "a printer is installed here; this test must not print on it";
    }
    open(0, nullptr);
    box(1)->setChecked(false);
    box(2)->setChecked(false);
    child<QPushButton>(QStringLiteral("bPrint3"))->click();
    child<QPushButton>(QStringLiteral("bPrint1"))->click();
    const QDir printouts(file.folder() + QStringLiteral("/Printouts"));
    const QStringList pdfs =
        printouts.entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
    ASSERT_EQ(pdfs, (QStringList{"ORLE Groupings - Men's Saber (2).pdf",
                                 "ORLE Groupings - Men's Saber.pdf"}));
    EXPECT_TRUE(PdfText(printouts.filePath(pdfs[1])).contains(QStringLiteral("Strip Assignments")));
    EXPECT_TRUE(PdfText(printouts.filePath(pdfs[0])).contains(QStringLiteral("Group Assignments")));
    ASSERT_EQ(prompter.asked.size(), 2u);
    EXPECT_TRUE(prompter.asked[0].text.contains(QDir::toNativeSeparators(printouts.path())));
    EXPECT_TRUE(prompter.asked[1].text.contains(QStringLiteral("(2).pdf")));
}

TEST(frmPrintScheduleWithoutFile, OpensWithNothingToPrint) {
    QTemporaryDir dir;
    ORLEMain state(
        std::make_unique<RegistrySettings>(dir.filePath(QStringLiteral("settings.ini"))));
    ScriptedPrompter prompter;
    RecordingSink printed;
    frmPrintSchedule window(state, prompter, nullptr, &printed);
    for (int w = 0; w < 6; ++w) {
        EXPECT_FALSE(
            window.findChild<QCheckBox*>(QStringLiteral("cbWeapon%1").arg(w))->isChecked());
    }
    window.findChild<QPushButton*>(QStringLiteral("bGender2"))->click();
    EXPECT_FALSE(window.findChild<QPushButton*>(QStringLiteral("bPrint1"))->isEnabled());
    window.bPrint_Click(0);
    window.bPrintCompetitor_Click();
    EXPECT_TRUE(printed.documents.isEmpty());
    EXPECT_TRUE(prompter.asked.empty());
}

TEST(frmMainPrintSchedules, TheMainButtonOpensThePrintSchedulesWindow) {
    QTemporaryDir dir;
    ORLEMain state(
        std::make_unique<RegistrySettings>(dir.filePath(QStringLiteral("settings.ini"))));
    ScriptedPrompter prompter;
    frmMain main(state, prompter);
    auto* button = main.findChild<QPushButton*>(QStringLiteral("bPrintSchedule"));
    ASSERT_TRUE(button->isEnabled());
    QString opened;
    QTimer::singleShot(0, &main, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal) {
            opened = modal->objectName();
            modal->close();
        }
    });
    button->click();
    EXPECT_EQ(opened, QStringLiteral("frmPrintSchedule"));
}
