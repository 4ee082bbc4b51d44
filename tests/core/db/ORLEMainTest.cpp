#include "db/ORLEMain.h"

#include "db/ChampionshipYear.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>
#include <QSettings>
#include <QTemporaryDir>

namespace {

const QDate kToday(2026, 12, 8);

TEST(ChampionshipYearTest, ComesFromTheFileNameFrom1999On) {
    EXPECT_EQ(ChampionshipYearFor(QStringLiteral("/data/x/ORLE2004.mdb"), kToday), "2004");
    EXPECT_EQ(ChampionshipYearFor(QStringLiteral("ORLE2004.mdb"), kToday), "2004");
    EXPECT_EQ(ChampionshipYearFor(QStringLiteral("/a/ORLE1999x.mdb"), kToday), "1999");
    EXPECT_EQ(ChampionshipYearFor(QStringLiteral("/a/ORLE20.mdb"), kToday), "2026") << "20 < 1999";
    EXPECT_EQ(ChampionshipYearFor(QStringLiteral("/a/ORLE.mdb"), kToday), "2026");
    EXPECT_EQ(ChampionshipYearFor(QStringLiteral("/a/ORLE1998.mdb"), kToday), "2026");
    EXPECT_EQ(ChampionshipYearFor(QStringLiteral("/a/Finals.mdb"), kToday), "2026");
    EXPECT_EQ(ChampionshipYearFor(QStringLiteral("/a/orle2010.mdb"), kToday), "2010");
}

class ORLEMainTest : public ::testing::Test {
protected:
    ORLEMainTest()
        : main(std::make_unique<RegistrySettings>(settingsDir.filePath(QStringLiteral("orle.ini"))),
               [] { return kToday; }) {}

    QTemporaryDir settingsDir;
    ORLEMain main;
};

TEST_F(ORLEMainTest, OpeningAFileRemembersItAndCountsRoundsAndStrips) {
    TempChampionship file;
    ASSERT_TRUE(main.OpenDatabase(file.path()).store == nullptr);  // handed over to the state
    EXPECT_TRUE(main.isOpen());
    // From the name: ORLE2004.mdb, or the server database's orle2026_<program>_<n>.
    EXPECT_EQ(main.ChampionshipYear, TempChampionship::OnServer() ? "2026" : "2004");
    EXPECT_EQ(main.LastStripSet, 3);
    EXPECT_EQ(main.LastRound, 6);
    EXPECT_EQ(main.ConnectString, file.path());

    RegistrySettings reread(settingsDir.filePath(QStringLiteral("orle.ini")));
    EXPECT_EQ(reread.databasePath(), file.path());
}

// File > recent files lists the last five championship files opened, the latest first, each
// once; a file that could not be opened is not among them.
TEST_F(ORLEMainTest, RecentFilesKeepTheLastFiveOpenedLatestFirst) {
    const QString ini = settingsDir.filePath(QStringLiteral("orle.ini"));
    std::vector<std::unique_ptr<TempChampionship>> files;
    for (int i = 0; i < 6; ++i) {
        files.push_back(std::make_unique<TempChampionship>());
        ASSERT_TRUE(main.OpenDatabase(files.back()->path()).failure ==
                    ChampionshipFile::OpenFailure::None);
    }
    main.OpenDatabase(files[3]->path());
    main.OpenDatabase(settingsDir.filePath(QStringLiteral("absent.mdb")));
    EXPECT_EQ(RegistrySettings(ini).recentFiles(),
              QStringList({files[3]->path(), files[5]->path(), files[4]->path(), files[2]->path(),
                           files[1]->path()}));
    // Kept in the settings value RecentFiles.
    EXPECT_EQ(
        QSettings(ini, QSettings::IniFormat).value(QStringLiteral("RecentFiles")).toStringList(),
        RegistrySettings(ini).recentFiles());
}

TEST_F(ORLEMainTest, AnotherVersionKeepsThePreviousPathRemembered) {
    TempChampionship good;
    TempChampionship old(QStringLiteral("ORLE2003.mdb"));
    old.exec(QStringLiteral("UPDATE VersionInfo SET DatabaseVersion='4.2'"));
    main.OpenDatabase(good.path());
    const auto refused = main.OpenDatabase(old.path());
    EXPECT_EQ(refused.failure, ChampionshipFile::OpenFailure::WrongVersion);
    EXPECT_FALSE(main.isOpen());
    EXPECT_EQ(main.settings().databasePath(), good.path());
}

TEST_F(ORLEMainTest, EventColoursComeFromSettingsWithZeroMeaningTheDefault) {
    main.settings().setEventColor(2, 255);
    main.settings().setEventColor(3, 0);
    EXPECT_EQ(main.LoadSettings(), QString());
    EXPECT_EQ(main.EventColors[2], 255u);
    EXPECT_EQ(main.EventColors[3], 15251688u);
    EXPECT_EQ(main.EventColors[0], 13158655u);
    EXPECT_EQ(main.EventColors[5], 16777215u);
}

TEST_F(ORLEMainTest, RegistryValuesReportMissingOnesWithoutTouchingTheOutput) {
    QVariant value(42);
    EXPECT_EQ(main.settings().GetRegistryValue(QStringLiteral("Nothing"), value), 2);
    EXPECT_EQ(value, QVariant(42));
    EXPECT_EQ(
        main.settings().SetRegistryValue(QStringLiteral("Database"), QStringLiteral("/x.mdb")), 0);
    EXPECT_EQ(main.settings().GetRegistryValue(QStringLiteral("Database"), value), 0);
    EXPECT_EQ(value.toString(), QStringLiteral("/x.mdb"));
}

TEST_F(ORLEMainTest, GroupCountDrivesTheLastRoundAndStripSet) {
    TempChampionship file;
    main.OpenDatabase(file.path());
    // Nine rows (eight groups and "unassigned") give four strip sets and seven rounds;
    // fewer groups shrink both.
    ASSERT_TRUE(
        main.connection().exec(QStringLiteral("DELETE FROM Groups WHERE \"Group\" IN (6, 7)")));
    ASSERT_TRUE(main.RecountGroups());
    EXPECT_EQ(main.LastStripSet, 2);
    EXPECT_EQ(main.LastRound, 4);
}

}  // namespace
