#include "support/TempChampionship.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

class SeedDataTest : public ::testing::Test {
protected:
    TempChampionship file;
};

TEST_F(SeedDataTest, FixedTablesHaveTheirRows) {
    const std::pair<const char*, int> counts[] = {{"VersionInfo", 1},    {"Weapons", 7},
                                                  {"StripNumbers", 24},  {"Groups", 9},
                                                  {"Subgroups", 3},      {"FencerNumbers", 24},
                                                  {"FinalFourBouts", 4}, {"Suborder", 9},
                                                  {"Schedule", 36},      {"Teams", 47},
                                                  {"Roster", 0},         {"Results", 0},
                                                  {"FinalFour", 0},      {"ResultsScratchpad", 0},
                                                  {"TeamScratchpad", 0}};
    for (const auto& [table, rows] : counts) {
        EXPECT_EQ(file.count(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(table))),
                  rows)
            << table;
    }
    EXPECT_EQ(file.text(QStringLiteral("SELECT DatabaseVersion FROM VersionInfo")),
              QStringLiteral("4.3"));
}

TEST_F(SeedDataTest, EventsAreNamedForMenAndWomen) {
    Statement rows = file.db().prepare(
        QStringLiteral("SELECT Weapon, Abbreviation, WeaponName FROM Weapons ORDER BY Weapon"));
    QStringList seen;
    while (rows.next()) {
        seen << QStringLiteral("%1 %2 %3").arg(rows.toInt(0)).arg(rows.toText(1), rows.toText(2));
    }
    EXPECT_EQ(seen, QStringList({"0 MS Men's Saber", "1 MF Men's Foil",
                                 QString::fromUtf8("2 ME Men's Ep\u00e9e"), "3 WS Women's Saber",
                                 "4 WF Women's Foil", QString::fromUtf8("5 WE Women's Ep\u00e9e"),
                                 "101 TEAM Team"}));
}

TEST_F(SeedDataTest, StripsAndGroupsAreNamed) {
    const QString strip =
        QStringLiteral("SELECT StripName FROM StripNumbers WHERE Weapon=? AND StripSet=?");
    EXPECT_EQ(file.text(strip, {4, 0}), QStringLiteral("5"));
    EXPECT_EQ(file.text(strip, {2, 3}), QStringLiteral("12"));
    EXPECT_EQ(file.text(strip, {3, 1}), QStringLiteral("2"));
    const QString group = QStringLiteral("SELECT GroupName FROM Groups WHERE \"Group\"=?");
    EXPECT_EQ(file.text(group, {0}), QStringLiteral("Group A"));
    EXPECT_EQ(file.text(group, {7}), QStringLiteral("Group H"));
    EXPECT_EQ(file.text(group, {99}), QStringLiteral("Unassigned"));
    EXPECT_EQ(file.text(QStringLiteral("SELECT BoutName FROM FinalFourBouts WHERE Bout=11")),
              QStringLiteral("Bronze Medal Bout"));
    EXPECT_EQ(file.text(QStringLiteral("SELECT FullTeamName FROM Teams WHERE Team=36")),
              QStringLiteral("St. John's University"));
    EXPECT_EQ(file.text(QStringLiteral("SELECT Abbreviation FROM Teams WHERE Team=46")),
              QStringLiteral("YESH"));
}

// Every group fences once per round, every pair of groups meets once, and each strip of
// round one holds the pool of the two groups whose own rows share its strip set.
TEST_F(SeedDataTest, ScheduleMeetsEveryGroupOnce) {
    Statement rows = file.db().prepare(QStringLiteral(
        "SELECT Round, Group1, Group2, Stripset FROM Schedule WHERE Group1<>Group2"));
    std::set<std::pair<int, int>> pairs;
    std::set<std::pair<int, int>> groupRounds;
    std::set<std::pair<int, int>> roundStrips;
    while (rows.next()) {
        const int round = rows.toInt(0), a = rows.toInt(1), b = rows.toInt(2);
        pairs.insert({std::min(a, b), std::max(a, b)});
        EXPECT_TRUE(groupRounds.insert({round, a}).second);
        EXPECT_TRUE(groupRounds.insert({round, b}).second);
        EXPECT_TRUE(roundStrips.insert({round, rows.toInt(3)}).second);
    }
    EXPECT_EQ(pairs.size(), 28u);
    EXPECT_EQ(groupRounds.size(), 56u);
    EXPECT_EQ(file.count(QStringLiteral("SELECT COUNT(*) FROM Schedule WHERE Round=0")), 12);
    EXPECT_EQ(file.count(QStringLiteral("SELECT COUNT(*) FROM Schedule WHERE Group1=Group2")), 8);
    for (int round = 1; round <= 6; ++round) {
        EXPECT_EQ(
            file.count(QStringLiteral("SELECT COUNT(*) FROM Schedule WHERE Round=?"), {round}), 4);
    }
    EXPECT_EQ(
        file.count(QStringLiteral(
            "SELECT COUNT(*) FROM Schedule P JOIN Schedule S1 ON S1.Group1=S1.Group2 AND "
            "S1.Group1=P.Group1 JOIN Schedule S2 ON S2.Group1=S2.Group2 AND S2.Group1=P.Group2 "
            "WHERE P.Round=0 AND P.Group1<>P.Group2 AND S1.Stripset=P.Stripset AND "
            "S2.Stripset=P.Stripset")),
        4);
}

TEST_F(SeedDataTest, DualBoutOrderPairsEveryPositionOnce) {
    Statement rows = file.db().prepare(QStringLiteral(
        "SELECT Subround, Bout, Subgroup1, Subgroup2 FROM Suborder ORDER BY Subround, Bout"));
    QStringList bouts;
    std::set<std::pair<int, int>> meetings;
    while (rows.next()) {
        bouts << QStringLiteral("%1v%2").arg(rows.toInt(2)).arg(rows.toInt(3));
        meetings.insert({rows.toInt(2), rows.toInt(3)});
    }
    EXPECT_EQ(bouts, QStringList({"2v5", "0v4", "1v3", "0v5", "2v3", "1v4", "0v3", "1v5", "2v4"}));
    EXPECT_EQ(meetings.size(), 9u);
}

}  // namespace
