#include "roster/StripNameStore.h"
#include "roster/TeamStore.h"
#include "support/ChampionshipBuilder.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>

namespace {

TEST(TeamStoreTest, NewSchoolAfterTheLastIsInsertedWithTrimmedNames) {
    TempChampionship file;
    TeamStore teams(file.db());
    ASSERT_EQ(teams.maxTeam(), 46);
    EXPECT_FALSE(teams.load(47));
    ASSERT_TRUE(teams
                    .save(47,
                          {QStringLiteral(" ST'J "), QStringLiteral("St. John's"),
                           QStringLiteral("St. John's \"Red Storm\"")},
                          std::nullopt)
                    .ok());
    EXPECT_EQ(teams.maxTeam(), 47);
    const auto names = teams.load(47);
    ASSERT_TRUE(names);
    EXPECT_EQ(names->abbreviation, QStringLiteral("ST'J"));
    EXPECT_EQ(names->full, QStringLiteral("St. John's \"Red Storm\""));

    ASSERT_TRUE(
        teams.save(47, {QStringLiteral("SJU"), QStringLiteral("SJU"), QStringLiteral("SJU")}, names)
            .ok());
    EXPECT_EQ(file.count("SELECT COUNT(*) FROM Teams WHERE Team = 47 AND FullTeamName = 'SJU'"), 1);
}

TEST(TeamStoreTest, BlankNamesAreRefusedInOrderMediumFullAbbreviation) {
    TempChampionship file;
    TeamStore teams(file.db());
    EXPECT_EQ(teams.save(3, {QString(), QStringLiteral(" "), QString()}, teams.load(3)).message(),
              QStringLiteral("Medium Team Name must not be blank."));
    EXPECT_EQ(teams.save(3, {QString(), QStringLiteral("M"), QStringLiteral("  ")}, teams.load(3))
                  .message(),
              QStringLiteral("Full Team Name must not be blank."));
    EXPECT_EQ(teams.save(3, {QString(), QStringLiteral("M"), QStringLiteral("F")}, teams.load(3))
                  .message(),
              QStringLiteral("Abbreviation must not be blank."));
    EXPECT_NE(teams.load(3)->medium, QStringLiteral("M"));
}

TEST(TeamStoreTest, OnlySchoolsWithoutFencersCanBeDeleted) {
    TempChampionship file;
    ChampionshipBuilder::Fencer f;
    f.team = 9;
    ChampionshipBuilder(file).addFencer(f);
    TeamStore teams(file.db());
    EXPECT_EQ(teams.fencerCount(9), 1);
    EXPECT_FALSE(teams.remove(9).ok());
    EXPECT_TRUE(teams.load(9));
    ASSERT_TRUE(teams.remove(46).ok());
    EXPECT_EQ(teams.maxTeam(), 45);
}

TEST(StripNameStoreTest, SaveRewritesAllTwentyFourOrNothing) {
    TempChampionship file;
    StripNameStore strips(file.db());
    StripNameStore::Names names = strips.load();
    StripNameStore::Names loaded = names;
    EXPECT_FALSE(names[0].isEmpty());
    names[4 * 5 + 3] = QStringLiteral("Piste 'B'");
    names[1].clear();
    ASSERT_TRUE(strips.save(names, loaded).ok());
    EXPECT_EQ(strips.load(), names);

    StripNameStore::Names tooLong = names;
    tooLong[0] = QStringLiteral("Changed");
    tooLong[23] = QStringLiteral("Far too long a name");
    EXPECT_FALSE(strips.save(tooLong, loaded).ok());
    EXPECT_EQ(strips.load(), names);
}

// The editors work on a connection of their own; `file` is another writer on the same file.
TEST(TeamStoreTest, ASchoolRenamedElsewhereSinceLoadingIsKeptAndTold) {
    TempChampionship file;
    const std::unique_ptr<Database> station = file.openAnother();
    const TeamStore mine(*station);
    const std::optional<TeamNames> loaded = mine.load(3);
    ASSERT_TRUE(loaded);
    file.exec(QStringLiteral("UPDATE Teams SET Abbreviation = 'THEIR' WHERE Team = 3"));
    QStringList told;
    ASSERT_TRUE(
        mine.save(3, {QStringLiteral("MINE"), loaded->medium, loaded->full}, loaded, &told).ok());
    EXPECT_EQ(mine.load(3)->abbreviation, QStringLiteral("THEIR"));
    EXPECT_EQ(told, QStringList(
                        QStringLiteral("Team 4: Abbreviation: typed \"MINE\", stored \"THEIR\"")));

    // Names saved as loaded write nothing, so a change made elsewhere stays.
    ASSERT_TRUE(mine.save(3, *loaded, loaded, &told).ok());
    EXPECT_EQ(mine.load(3)->abbreviation, QStringLiteral("THEIR"));
}

TEST(StripNameStoreTest, OnlyChangedNamesAreWrittenAndThoseChangedElsewhereAreKept) {
    TempChampionship file;
    const std::unique_ptr<Database> station = file.openAnother();
    const StripNameStore mine(*station);
    StripNameStore::Names loaded = mine.load();
    StripNameStore::Names names = loaded;
    file.exec(
        QStringLiteral("UPDATE StripNumbers SET StripName = 'North' WHERE Weapon = 1 AND "
                       "StripSet IN (1, 2)"));
    names[5] = QStringLiteral("South");
    names[6 + 4] = QStringLiteral("East");
    QStringList told;
    ASSERT_TRUE(mine.save(names, loaded, &told).ok());
    const StripNameStore::Names stored = StripNameStore(file.db()).load();
    EXPECT_EQ(stored[5], QStringLiteral("North"));
    EXPECT_EQ(stored[6], QStringLiteral("North"));
    EXPECT_EQ(stored[10], QStringLiteral("East"));
    EXPECT_EQ(
        told,
        QStringList(QStringLiteral("Men's Foil, Strip Set 2: typed \"South\", stored \"North\"")));
    // What this editor now knows as stored: the names it wrote or found changed.
    EXPECT_EQ(loaded[5], QStringLiteral("North"));
    EXPECT_EQ(loaded[10], QStringLiteral("East"));
}

}  // namespace
