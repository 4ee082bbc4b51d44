#include "db/ORLEMain.h"
#include "print/RecordingSink.h"
#include "publish/frmChooseDownload.h"
#include "publish/frmChooseResults.h"
#include "standings/frmShowResults.h"
#include "support/ChampionshipBuilder.h"
#include "support/ScriptedPrompter.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

const std::array<QString, 6> kEventNames = {
    QStringLiteral("Men's Saber"),     QStringLiteral("Men's Foil"),
    QStringLiteral("Men's Ep\u00e9e"), QStringLiteral("Women's Saber"),
    QStringLiteral("Women's Foil"),    QStringLiteral("Women's Ep\u00e9e")};

template <typename T>
T* child(const QWidget& window, const QString& name) {
    T* widget = window.findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
}

TEST(frmChooseResultsTest, PrintIsOfferedOnlyForAChoiceAndGridsOnlyWithEvents) {
    frmChooseResults dialog;
    dialog.prepare(kEventNames, -1);
    auto* print = child<QPushButton>(dialog, QStringLiteral("bPrint"));
    auto* grid = child<QCheckBox>(dialog, QStringLiteral("cbGrid"));
    EXPECT_EQ(child<QCheckBox>(dialog, QStringLiteral("cbTeam1"))->text(), "&Men's Teams");
    EXPECT_EQ(child<QCheckBox>(dialog, QStringLiteral("cbTeam2"))->text(), "&Women's Teams");
    EXPECT_FALSE(print->isEnabled());
    EXPECT_FALSE(grid->isEnabled());

    child<QCheckBox>(dialog, QStringLiteral("cbTeam2"))->setChecked(true);
    EXPECT_TRUE(print->isEnabled());
    EXPECT_FALSE(grid->isEnabled()) << "a school box alone has no tables to print";

    child<QCheckBox>(dialog, QStringLiteral("cbIndSlot5"))->setChecked(true);
    child<QCheckBox>(dialog, QStringLiteral("cbIndSlot0"))->setChecked(true);
    EXPECT_TRUE(grid->isEnabled());
    grid->setChecked(true);
    child<QCheckBox>(dialog, QStringLiteral("cbIndSlot2"))->setChecked(true);
    print->click();
    EXPECT_EQ(dialog.Choice().IndQuery(), "0,2,5");
    EXPECT_EQ(dialog.Choice().Teams, (std::array<bool, 3>{false, false, true}));
    EXPECT_TRUE(dialog.Choice().Grids);
}

TEST(frmChooseResultsTest, SelectAllTicksAllUnlessAllAreTickedAndCancelChoosesNothing) {
    frmChooseResults dialog;
    dialog.prepare(kEventNames, 4);
    auto* selectAll = child<QPushButton>(dialog, QStringLiteral("bSelectAllInd"));
    EXPECT_TRUE(child<QCheckBox>(dialog, QStringLiteral("cbIndSlot4"))->isChecked());
    selectAll->click();
    for (int w = 0; w < 6; ++w) {
        EXPECT_TRUE(child<QCheckBox>(dialog, QStringLiteral("cbIndSlot%1").arg(w))->isChecked());
    }
    selectAll->click();
    for (int w = 0; w < 6; ++w) {
        EXPECT_FALSE(child<QCheckBox>(dialog, QStringLiteral("cbIndSlot%1").arg(w))->isChecked());
    }
    child<QCheckBox>(dialog, QStringLiteral("cbTeam0"))->setChecked(true);
    child<QPushButton>(dialog, QStringLiteral("bCancel"))->click();
    EXPECT_EQ(dialog.Choice().IndQuery(), "-1");
}

TEST(frmChooseDownloadTest, RunHandsTheTypeAndCancelHandsNothing) {
    frmChooseDownload dialog;
    EXPECT_TRUE(child<QRadioButton>(dialog, QStringLiteral("rbHTML"))->isChecked());
    child<QPushButton>(dialog, QStringLiteral("bRun"))->click();
    EXPECT_EQ(dialog.DownloadType(), "HTML");
    child<QRadioButton>(dialog, QStringLiteral("rbXML"))->setChecked(true);
    child<QPushButton>(dialog, QStringLiteral("bRun"))->click();
    EXPECT_EQ(dialog.DownloadType(), "XML");
    child<QPushButton>(dialog, QStringLiteral("bCancel"))->click();
    EXPECT_TRUE(dialog.DownloadType().isEmpty());
}

// The results window with men's saber and foil drawn and a few bouts fenced.
class ResultsWindowPublishingTest : public ::testing::Test {
protected:
    void SetUp() override {
        builder.drawFullEvent(0);
        builder.drawFullEvent(1);
        builder.addBout(0, 0, 1, 5, 2, true);
        builder.addBout(1, 3, 4, 5, 1, true);
        ASSERT_TRUE(state.OpenDatabase(file.path()).failure == ChampionshipFile::OpenFailure::None);
        state.CurrentWeapon = 1;
        window = std::make_unique<frmShowResults>(state, prompter);
        window->setPrintSink(&printed);
        window->Open();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    QStringList jobs() const {
        QStringList names;
        for (const PrintDocument& d : printed.documents) {
            names << d.jobName;
        }
        return names;
    }
    // Answers the dialog the button opens once it shows.
    template <typename Dialog>
    void answer(Dialog& dialog, const std::function<void(Dialog&)>& act) {
        QTimer::singleShot(0, &dialog, [&dialog, act] {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
            act(dialog);
        });
    }

    TempChampionship file;
    ChampionshipBuilder builder{file};
    QTemporaryDir settingsDir;
    ORLEMain state{std::make_unique<RegistrySettings>(settingsDir.filePath("orle.ini"))};
    ScriptedPrompter prompter;
    RecordingSink printed;
    std::unique_ptr<frmShowResults> window;
};

TEST_F(ResultsWindowPublishingTest, DownloadWritesTheChosenFileAndCancelWritesNone) {
    const QString html = file.folder() + QStringLiteral("/ORLE2004.HTML");
    answer<frmChooseDownload>(window->downloadChooser(), [](frmChooseDownload& d) {
        child<QPushButton>(d, QStringLiteral("bCancel"))->click();
    });
    child<QPushButton>(*window, QStringLiteral("bDownload"))->click();
    EXPECT_FALSE(QFile::exists(html));

    answer<frmChooseDownload>(window->downloadChooser(), [](frmChooseDownload& d) {
        child<QPushButton>(d, QStringLiteral("bRun"))->click();
    });
    child<QPushButton>(*window, QStringLiteral("bDownload"))->click();
    EXPECT_TRUE(QFile::exists(html));
    EXPECT_TRUE(child<QTabWidget>(*window, QStringLiteral("tabCategory"))->isVisible());
    EXPECT_FALSE(child<QLabel>(*window, QStringLiteral("lDownloading"))->isVisible());
    EXPECT_EQ(window->windowTitle(), "Standings - Men's Foil");
}

TEST_F(ResultsWindowPublishingTest, PrintRunsTheChoiceAndReturnsToTheView) {
    auto* variants = child<QScrollBar>(*window, QStringLiteral("hsReport1"));
    variants->setValue(2);
    answer<frmChooseResults>(window->printChooser(), [](frmChooseResults& d) {
        EXPECT_TRUE(child<QCheckBox>(d, QStringLiteral("cbIndSlot1"))->isChecked())
            << "the event shown is offered first";
        child<QCheckBox>(d, QStringLiteral("cbIndSlot0"))->setChecked(true);
        child<QCheckBox>(d, QStringLiteral("cbTeam0"))->setChecked(true);
        child<QCheckBox>(d, QStringLiteral("cbGrid"))->setChecked(true);
        child<QPushButton>(d, QStringLiteral("bPrint"))->click();
    });
    child<QPushButton>(*window, QStringLiteral("bPrint"))->click();
    EXPECT_EQ(jobs(), QStringList({"ORLE Results - Teams", "ORLE Results - Men's Saber",
                                   "ORLE Results - Men's Saber", "ORLE Results - Men's Foil",
                                   "ORLE Results - Men's Foil"}));
    EXPECT_TRUE(printed.documents[2].landscape) << "the table follows its event's list";
    EXPECT_EQ(window->windowTitle(), "Standings - Men's Foil");
    EXPECT_EQ(variants->value(), 2);

    printed.documents.clear();
    answer<frmChooseResults>(window->printChooser(), [](frmChooseResults& d) {
        child<QPushButton>(d, QStringLiteral("bCancel"))->click();
    });
    child<QPushButton>(*window, QStringLiteral("bPrint"))->click();
    EXPECT_TRUE(printed.documents.isEmpty());
}

}  // namespace
