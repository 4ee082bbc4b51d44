#include "standings/TitleRace.h"

#include "support/ChampionshipBuilder.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>

namespace {

// Men's saber drawn with fencer n at school n; fencers 1 and 4 are teammates, fencer 23 is
// excluded, and fencer 0 has beaten fencer 1.
class TitleRaceTest : public ::testing::Test {
protected:
    TitleRaceTest() {
        builder.drawFullEvent(0);
        file.exec(
            QStringLiteral("UPDATE Roster SET Team = 1 WHERE Weapon = 0 AND FencerNumber = 4"));
        file.exec(QStringLiteral(
            "UPDATE Roster SET Excluded = -1 WHERE Weapon = 0 AND FencerNumber = 23"));
        builder.addBout(0, 0, 1, 5, 2, true);
    }
    const TitleRaceRow& school(int team) const {
        for (const TitleRaceRow& row : rows) {
            if (row.team == team) {
                return row;
            }
        }
        ADD_FAILURE() << "school " << team << " is not listed";
        return rows.front();
    }

    TempChampionship file;
    ChampionshipBuilder builder{file};
    std::vector<TitleRaceRow> rows;
};

TEST_F(TitleRaceTest, PointsBoutsLeftAndWhoCanStillWin) {
    ASSERT_TRUE(BuildTitleRace(file.db(), TeamVariant::Men, rows).ok());
    // Every school with a fencer, those without a result too; school 4 has none left.
    EXPECT_EQ(rows.size(), 23u);
    EXPECT_EQ(rows.front().team, 0);
    // 23 bouts, one fenced, one against the excluded fencer.
    EXPECT_EQ(school(0).points, 1);
    EXPECT_EQ(school(0).left, 21);
    EXPECT_EQ(school(0).max(), 22);
    EXPECT_TRUE(school(0).contender);
    // Two fencers' 45 different bouts (their own counts once), less two against the
    // excluded fencer and the one fenced.
    EXPECT_EQ(school(1).left, 42);
    EXPECT_EQ(school(2).left, 22);
    EXPECT_TRUE(school(2).contender);
    // The excluded fencer's school can score nothing more and trails the leader.
    EXPECT_EQ(school(23).points, 0);
    EXPECT_EQ(school(23).left, 0);
    EXPECT_FALSE(school(23).contender);
}

TEST_F(TitleRaceTest, TheWomensRaceHasNoneOfTheMensSchools) {
    ASSERT_TRUE(BuildTitleRace(file.db(), TeamVariant::Women, rows).ok());
    EXPECT_TRUE(rows.empty());
    ASSERT_TRUE(BuildTitleRace(file.db(), TeamVariant::AllEvents, rows).ok());
    EXPECT_EQ(rows.size(), 23u);
}

}  // namespace
