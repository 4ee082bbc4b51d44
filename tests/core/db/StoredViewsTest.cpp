#include "support/TempChampionship.h"

#include <gtest/gtest.h>

namespace {

class StoredViewsTest : public ::testing::Test {
protected:
    void addFencer(int weapon, int number, int team, int group, int subgroup = 0,
                   bool injured = false) {
        file.exec(QStringLiteral("INSERT INTO Roster (Weapon, FencerNumber, Team, LName, FName, "
                                 "HTMLName, \"Group\", Subgroup, Excluded, ExcludedButCount, "
                                 "Injury, Advanced) VALUES (?, ?, ?, ?, ?, 'x', ?, ?, 0, 0, ?, 0)"),
                  {weapon, number, team, QStringLiteral("Last%1").arg(number),
                   QStringLiteral(" First%1 ").arg(number), group, subgroup, injured});
    }
    void addBout(int weapon, int winner, int loser) {
        file.exec(QStringLiteral("INSERT INTO Results VALUES (?, ?, ?, -1, 5), (?, ?, ?, 0, 3)"),
                  {weapon, winner, loser, weapon, loser, winner});
    }
    QStringList rows(const QString& sql) {
        Statement statement = file.db().prepare(sql);
        QStringList out;
        while (statement.next()) {
            QStringList cells;
            for (int c = 0; c < statement.columnCount(); ++c) {
                cells << (statement.isNull(c) ? QStringLiteral("null") : statement.toText(c));
            }
            out << cells.join(QLatin1Char('|'));
        }
        EXPECT_TRUE(statement.ok()) << statement.errorString().toStdString();
        return out;
    }

    TempChampionship file;
};

TEST_F(StoredViewsTest, DualScheduleLaysOutThreeSubrounds) {
    QStringList subrounds;
    QString last;
    for (const QString& row :
         rows(QStringLiteral("SELECT Subround, Subgroup FROM vSchedule ORDER BY Subround, Bout"))) {
        const QString subround = row.section(QLatin1Char('|'), 0, 0);
        if (subrounds.isEmpty() || subround != last) {
            subrounds << QString();
            last = subround;
        }
        subrounds.last() += (subrounds.last().isEmpty() ? QString() : QStringLiteral(",")) +
                            row.section(QLatin1Char('|'), 1, 1);
    }
    EXPECT_EQ(subrounds, QStringList({"2,0,1,5,4,3", "0,2,1,5,3,4", "0,1,2,3,5,4"}));
}

TEST_F(StoredViewsTest, RankingSharesPlacesAndSkipsTheNext) {
    EXPECT_TRUE(rows(QStringLiteral("SELECT * FROM ResultsRanked")).isEmpty());
    file.exec(
        QStringLiteral("INSERT INTO ResultsScratchpad (Weapon, FencerNumber, Name, RankOrder) "
                       "VALUES (0, 1, 'a', 9.5), (0, 2, 'b', 9.5), (0, 3, 'c', 8), "
                       "(1, 4, 'd', 1)"));
    EXPECT_EQ(rows(QStringLiteral("SELECT FencerNumber, Rank FROM ResultsRanked WHERE Weapon=0 "
                                  "ORDER BY Rank, FencerNumber")),
              QStringList({"1|1", "2|1", "3|3"}));
    EXPECT_EQ(rows(QStringLiteral("SELECT Rank, IND FROM ResultsRanked WHERE Weapon=1")),
              QStringList({"1|0"}));
}

TEST_F(StoredViewsTest, UndrawnFencersAreListedButNotLocated) {
    addFencer(0, 0, 3, 0, 1);
    addFencer(0, 1, 3, 99, 99);
    EXPECT_EQ(
        rows(QStringLiteral("SELECT FullTeamName, FencerName, NumberEntries FROM vRosterReport")),
        QStringList({"Brandeis University|First0 Last0|2", "Brandeis University|First1 Last1|2"}));
    EXPECT_EQ(file.count(QStringLiteral("SELECT COUNT(*) FROM vLocator WHERE FencerNumber=1")), 0);
    EXPECT_EQ(file.count(QStringLiteral("SELECT COUNT(*) FROM vLocatorCT WHERE FencerNumber=1")),
              0);
}

TEST_F(StoredViewsTest, EveryDrawnFencerHasAStripInEachRound) {
    for (int group = 0; group < 8; ++group) {
        addFencer(4, group, 0, group);
    }
    EXPECT_EQ(file.count(QStringLiteral("SELECT COUNT(*) FROM vLocator")), 8 * 7);
    EXPECT_EQ(
        rows(QStringLiteral("SELECT RoundName, StripName FROM vLocator WHERE FencerNumber=6")),
        QStringList({"Round #1|Strip 8", "Round #2|Strip 7", "Round #3|Strip 6", "Round #4|Strip 6",
                     "Round #5|Strip 6", "Round #6|Strip 5", "Round #7|Strip 5"}));
    EXPECT_EQ(rows(QStringLiteral("SELECT \"Round #1\", \"Round #2\", \"Round #7\" FROM vLocatorCT "
                                  "WHERE Weapon=4 AND FencerNumber=0")),
              QStringList({"Strip 5|Strip 5|Strip 8"}));
}

TEST_F(StoredViewsTest, TeamPointsCountOnlyCompleteBoutsOfHealthyFencers) {
    EXPECT_EQ(rows(QStringLiteral("SELECT * FROM vTeamPointsCT")),
              QStringList({"null|null|null|null|null|null|null"}));

    addFencer(0, 0, 10, 0);
    addFencer(0, 1, 11, 0);
    addFencer(0, 2, 12, 0, 0, true);
    addBout(0, 0, 1);
    addBout(0, 2, 1);  // the injured fencer's win counts for nobody
    addFencer(2, 5, 11, 1);
    addFencer(2, 6, 10, 1);
    file.exec(
        QStringLiteral("INSERT INTO Results VALUES (2, 5, 6, -1, 5)"));  // one-sided: no point

    EXPECT_EQ(rows(QStringLiteral("SELECT Abbreviation, FullTeamName, V FROM vTeamPoints "
                                  "ORDER BY FullTeamName")),
              QStringList({"MS|Columbia/Barnard|1", "MS|Cornell University|0"}));
    EXPECT_EQ(rows(QStringLiteral("SELECT FullTeamName, MS, ME, WS FROM vTeamPointsCT "
                                  "ORDER BY FullTeamName")),
              QStringList({"null|null|null|null", "Columbia/Barnard|1|null|null",
                           "Cornell University|0|null|null"}));
}

}  // namespace
