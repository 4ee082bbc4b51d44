#include "app/frmMain.h"
#include "db/ORLEMain.h"
#include "standings/frmShowResults.h"
#include "support/ScriptedPrompter.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

TEST(CalculateResultsTest, OpensOneResultsWindowThatDoesNotBlockTheMainWindow) {
    TempChampionship file;
    QTemporaryDir settings;
    ORLEMain state{std::make_unique<RegistrySettings>(settings.filePath("orle.ini"))};
    ScriptedPrompter prompter;
    frmMain main(state, prompter);
    auto* button = main.findChild<QPushButton*>(QStringLiteral("bCalculateResults"));
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(button->isEnabled()) << "no file is open";

    main.OpenDatabase(file.path(), true);
    ASSERT_TRUE(button->isEnabled());
    button->click();
    button->click();
    const QList<frmShowResults*> windows = main.findChildren<frmShowResults*>();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_TRUE(windows.first()->isVisible());
    EXPECT_FALSE(windows.first()->isModal());
    EXPECT_EQ(windows.first()->windowTitle(), "Standings - Men's Saber");
}

}  // namespace
