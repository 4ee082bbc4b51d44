#include "print/RecordQuery.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>

TEST(RecordQuery, RowsComeByColumnNameWithBoundParameters) {
    TempChampionship file;
    Status status = Status::failure(QStringLiteral("unset"));
    const auto rows = RecordQuery::Rows(
        file.db(),
        QStringLiteral("SELECT Weapon, WeaponName FROM Weapons WHERE Weapon < ? ORDER BY Weapon"),
        {3}, &status);
    ASSERT_TRUE(status);
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[2].value(QStringLiteral("Weapon")), QStringLiteral("2"));
    EXPECT_FALSE(rows[0].value(QStringLiteral("WeaponName")).isEmpty());

    RecordQuery::Rows(file.db(), QStringLiteral("SELECT Nothing FROM Nowhere"), {}, &status);
    EXPECT_FALSE(status);
}

TEST(RecordQuery, RelateNestsChildrenUnderEveryParentWithEqualKeysInChildOrder) {
    const auto row = [](std::initializer_list<std::pair<const char*, const char*>> values) {
        ReportRecord r;
        for (const auto& [k, v] : values) {
            r.values.insert(QLatin1String(k), QLatin1String(v));
        }
        return r;
    };
    QList<ReportRecord> fencers{row({{"Weapon", "0"}, {"Fencer", "1"}}),
                                row({{"Weapon", "1"}, {"Fencer", "1"}}),
                                row({{"Weapon", "0"}, {"Fencer", "2"}})};
    const QList<ReportRecord> rounds{row({{"Weapon", "0"}, {"Fencer", "1"}, {"Round", "a"}}),
                                     row({{"Weapon", "1"}, {"Fencer", "1"}, {"Round", "b"}}),
                                     row({{"Weapon", "0"}, {"Fencer", "1"}, {"Round", "c"}}),
                                     row({{"Weapon", "5"}, {"Fencer", "1"}, {"Round", "orphan"}})};
    RecordQuery::Relate(fencers, rounds, {QStringLiteral("Weapon"), QStringLiteral("Fencer")});
    ASSERT_EQ(fencers[0].children.size(), 2);
    EXPECT_EQ(fencers[0].children[0].value(QStringLiteral("Round")), QStringLiteral("a"));
    EXPECT_EQ(fencers[0].children[1].value(QStringLiteral("Round")), QStringLiteral("c"));
    ASSERT_EQ(fencers[1].children.size(), 1);
    EXPECT_EQ(fencers[1].children[0].value(QStringLiteral("Round")), QStringLiteral("b"));
    EXPECT_TRUE(fencers[2].children.isEmpty());
}

TEST(RecordQuery, GroupByMakesOneParentPerDistinctKeyInFirstAppearanceOrder) {
    TempChampionship file;
    file.exec(QStringLiteral(
        "INSERT INTO Roster (Weapon, FencerNumber, Team, LName, FName, HTMLName, "
        "AddlText, \"Group\", Subgroup, Excluded, ExcludedButCount, Injury, Advanced) "
        "VALUES (0, 0, 4, 'B', 'x', 'x', '', 99, 99, 0, 0, 0, 0), "
        "(1, 0, 1, 'A', 'y', 'y', '', 99, 99, 0, 0, 0, 0), "
        "(2, 0, 4, 'C', 'z', 'z', '', 99, 99, 0, 0, 0, 0)"));
    Status status = Status::success();
    const auto rows = RecordQuery::Rows(
        file.db(),
        QStringLiteral("SELECT * FROM vRosterReport ORDER BY FullTeamName, LName, FName"), {},
        &status);
    ASSERT_TRUE(status);
    const auto schools = RecordQuery::GroupBy(
        rows, {QStringLiteral("FullTeamName"), QStringLiteral("NumberEntries")});
    ASSERT_EQ(schools.size(), 2);
    EXPECT_EQ(schools[0].value(QStringLiteral("FullTeamName")), QStringLiteral("Bard College"));
    EXPECT_EQ(schools[1].value(QStringLiteral("NumberEntries")), QStringLiteral("2"));
    ASSERT_EQ(schools[1].children.size(), 2);
    EXPECT_EQ(schools[1].children[1].value(QStringLiteral("FencerName")), QStringLiteral("z C"));
    EXPECT_FALSE(schools[1].values.contains(QStringLiteral("FencerName")));
}
