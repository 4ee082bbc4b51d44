#include "db/DataReset.h"

#include "support/ChampionshipBuilder.h"
#include "support/FileOnly.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>

namespace {

// Men's saber drawn with a bout, a Final Four row and every kind of flag set.
class DataResetTest : public ::testing::Test {
protected:
    DataResetTest() {
        ChampionshipBuilder builder(file);
        builder.drawFullEvent(0);
        builder.addBout(0, 0, 1, 5, 2, true);
        file.exec(QStringLiteral("INSERT INTO FinalFour VALUES (0, 0, 0, 3, 99, '')"));
        file.exec(
            QStringLiteral("UPDATE Roster SET Excluded = -1, ExcludedButCount = -1, "
                           "Injury = -1, Advanced = -1 WHERE FencerNumber < 4"));
    }
    long long count(const char* table) const {
        return file.count(QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(table));
    }

    TempChampionship file;
};

TEST_F(DataResetTest, ResultsGoAndRostersWithTheirGroupsStay) {
    ASSERT_TRUE(DataReset::InitializeResults(file.db(), false).ok());
    EXPECT_EQ(count("Results"), 0);
    EXPECT_EQ(count("FinalFour"), 0);
    EXPECT_EQ(count("Roster"), 24);
    EXPECT_EQ(file.count(QStringLiteral("SELECT COUNT(*) FROM Roster WHERE Excluded <> 0 OR "
                                        "ExcludedButCount <> 0 OR Injury <> 0 OR Advanced <> 0")),
              0);
    EXPECT_EQ(file.count(QStringLiteral("SELECT COUNT(*) FROM Roster WHERE \"Group\" = 7")), 3);
}

TEST_F(DataResetTest, RostersGoTooWhenAskedButSchoolsAndStripsStay) {
    const long long teams = count("Teams");
    const long long strips = count("StripNumbers");
    ASSERT_TRUE(DataReset::InitializeResults(file.db(), true).ok());
    EXPECT_EQ(count("Roster"), 0);
    EXPECT_EQ(count("Results"), 0);
    EXPECT_EQ(count("Teams"), teams);
    EXPECT_EQ(count("StripNumbers"), strips);
}

TEST_F(DataResetTest, AFailingStepWipesNothing) {
    ORLE_ONLY_WITH_A_FILE("the failing step is a trigger in the file's words");
    file.exec(
        QStringLiteral("CREATE TRIGGER keepRosters BEFORE DELETE ON Roster "
                       "BEGIN SELECT RAISE(ABORT, 'rosters are locked'); END"));
    const Status status = DataReset::InitializeResults(file.db(), true);
    EXPECT_FALSE(status.ok());
    EXPECT_TRUE(status.message().contains(QLatin1String("rosters are locked")));
    EXPECT_EQ(count("Results"), 2);
    EXPECT_EQ(count("FinalFour"), 1);
    EXPECT_EQ(file.count(QStringLiteral("SELECT COUNT(*) FROM Roster WHERE Advanced <> 0")), 4);
}

}  // namespace
