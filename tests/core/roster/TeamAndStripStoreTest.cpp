#include "roster/StripNameStore.h"
#include "roster/TeamStore.h"
#include "support/ChampionshipBuilder.h"
#include "support/ReadValue.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>

namespace {

TEST(TeamStoreTest, NewSchoolAfterTheLastIsInsertedWithTrimmedNames) {
    TempChampionship file;
    TeamStore teams(file.db());
    ASSERT_EQ(Value(teams.maxTeam()), 46);
    EXPECT_FALSE(Value(teams.load(47)));
    ASSERT_TRUE(teams
                    .save(47, {QStringLiteral(" ST'J "), QStringLiteral("St. John's"),
                               QStringLiteral("St. John's \"Red Storm\"")})
                    .ok());
    EXPECT_EQ(Value(teams.maxTeam()), 47);
    const auto names = Value(teams.load(47));
    ASSERT_TRUE(names);
    EXPECT_EQ(names->abbreviation, QStringLiteral("ST'J"));
    EXPECT_EQ(names->full, QStringLiteral("St. John's \"Red Storm\""));

    ASSERT_TRUE(
        teams.save(47, {QStringLiteral("SJU"), QStringLiteral("SJU"), QStringLiteral("SJU")}).ok());
    EXPECT_EQ(file.count("SELECT COUNT(*) FROM Teams WHERE Team = 47 AND FullTeamName = 'SJU'"), 1);
}

TEST(TeamStoreTest, BlankNamesAreRefusedInOrderMediumFullAbbreviation) {
    TempChampionship file;
    TeamStore teams(file.db());
    EXPECT_EQ(teams.save(3, {QString(), QStringLiteral(" "), QString()}).message(),
              QStringLiteral("Medium Team Name must not be blank."));
    EXPECT_EQ(teams.save(3, {QString(), QStringLiteral("M"), QStringLiteral("  ")}).message(),
              QStringLiteral("Full Team Name must not be blank."));
    EXPECT_EQ(teams.save(3, {QString(), QStringLiteral("M"), QStringLiteral("F")}).message(),
              QStringLiteral("Abbreviation must not be blank."));
    EXPECT_NE(Value(teams.load(3))->medium, QStringLiteral("M"));
}

TEST(TeamStoreTest, OnlySchoolsWithoutFencersCanBeDeleted) {
    TempChampionship file;
    ChampionshipBuilder::Fencer f;
    f.team = 9;
    ChampionshipBuilder(file).addFencer(f);
    TeamStore teams(file.db());
    EXPECT_EQ(Value(teams.fencerCount(9)), 1);
    EXPECT_FALSE(teams.remove(9).ok());
    EXPECT_TRUE(Value(teams.load(9)));
    ASSERT_TRUE(teams.remove(46).ok());
    EXPECT_EQ(Value(teams.maxTeam()), 45);
}

TEST(StripNameStoreTest, SaveRewritesAllTwentyFourOrNothing) {
    TempChampionship file;
    StripNameStore strips(file.db());
    StripNameStore::Names names = Value(strips.load());
    EXPECT_FALSE(names[0].isEmpty());
    names[4 * 5 + 3] = QStringLiteral("Piste 'B'");
    names[1].clear();
    ASSERT_TRUE(strips.save(names).ok());
    EXPECT_EQ(Value(strips.load()), names);

    StripNameStore::Names tooLong = names;
    tooLong[0] = QStringLiteral("Changed");
    tooLong[23] = QStringLiteral("Far too long a name");
    EXPECT_FALSE(strips.save(tooLong).ok());
    EXPECT_EQ(Value(strips.load()), names);
}

}  // namespace
