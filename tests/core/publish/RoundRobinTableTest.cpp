#include "../standings/StandingsFixture.h"

#include "publish/RoundRobinTable.h"
#include "standings/PrepareEventReport.h"
#include "standings/RankScratchpad.h"

namespace {

class RoundRobinTableTest : public StandingsFixture {
protected:
    void SetUp() override {
        builder.drawFullEvent(0);
        file.exec(
            QStringLiteral("UPDATE Roster SET Excluded = -1 WHERE Weapon = 0 AND "
                           "FencerNumber = 4"));
        win(0, 0, 1, 5, 2);
        win(0, 5, 0, 5, 4);
        win(0, 4, 0, 5, 1);  // the excluded fencer's bout
        win(0, 1, 4, 5, 3);
    }
    RoundRobinTable table(const PlaceOf& placeOf = {}) {
        RoundRobinTable out;
        EXPECT_TRUE(RoundRobinTable::Build(file.db(), 0, placeOf, out).ok());
        return out;
    }
};

TEST_F(RoundRobinTableTest, BoutCellsAndSumsByPosition) {
    const RoundRobinTable t = table();
    const RoundRobinTable::Line& first = t.lines()[0];
    EXPECT_EQ(first.Name, "First0 Last0");
    EXPECT_EQ(first.FencerNumber, "0");
    EXPECT_EQ(first.School, "Air Force");
    EXPECT_EQ(first.Bouts[1], "V5");
    EXPECT_EQ(first.Bouts[5], "4");
    EXPECT_TRUE(first.Bouts[4].isEmpty());
    EXPECT_EQ((QStringList{first.V, first.TS, first.TR, first.Ind, first.Place}),
              QStringList({"1", "9", "7", "+2", "0"}));
    const RoundRobinTable::Line& second = t.lines()[1];
    EXPECT_EQ((QStringList{second.V, second.TS, second.TR, second.Ind}),
              QStringList({"0", "2", "5", "-3"}));
}

TEST_F(RoundRobinTableTest, ExcludedFencerShowsExcAndHisBoutsCountForNobody) {
    const RoundRobinTable t = table();
    const RoundRobinTable::Line& excluded = t.lines()[4];
    EXPECT_EQ(excluded.Name, "First4 Last4");
    EXPECT_EQ(excluded.Place, "exc");
    EXPECT_TRUE(excluded.V.isEmpty() && excluded.TS.isEmpty() && excluded.TR.isEmpty() &&
                excluded.Ind.isEmpty());
    for (const QString& cell : excluded.Bouts) {
        EXPECT_TRUE(cell.isEmpty());
    }
    EXPECT_TRUE(t.lines()[1].Bouts[4].isEmpty());
}

TEST_F(RoundRobinTableTest, UndrawnFencersHaveNoLineAndEmptyPositionsStayEmpty) {
    file.exec(
        QStringLiteral("UPDATE Roster SET \"Group\" = 99, Subgroup = 99 WHERE Weapon = 0 "
                       "AND FencerNumber = 5"));
    const RoundRobinTable t = table();
    EXPECT_TRUE(t.lines()[5].Name.isEmpty());
    EXPECT_TRUE(t.lines()[5].TR.isEmpty());
    EXPECT_TRUE(t.lines()[0].Bouts[5].isEmpty());
    EXPECT_EQ(t.lines()[0].TS, "9") << "the bout still counts in his opponent's sums";
}

TEST_F(RoundRobinTableTest, PlacesComeFromTheReportRun) {
    ASSERT_TRUE(RankScratchpad(file.db()).ok());
    PlaceOf placeOf{};
    EventReport report;
    ASSERT_TRUE(PrepareEventReport(file.db(), 0, placeOf, report).ok());
    EXPECT_EQ(report.ProgressText, "Standings During Round 1");
    EXPECT_EQ(table(placeOf).lines()[5].Place, "1");
    EXPECT_EQ(table(placeOf).lines()[0].Place, "2");
    EXPECT_EQ(RoundRobinTable::Title(QStringLiteral("Final Pool Standings")),
              "Final Pool Table and Standings");
    EXPECT_EQ(RoundRobinTable::Title(report.ProgressText), "Table and Standings During Round 1");
}

TEST_F(StandingsFixture, ReportProgressFollowsTheSeededFinalFour) {
    fencers(1, 4);
    win(1, 0, 1);
    finalFour(1, 0, 0, 3);
    finalFour(1, 1, 2, 1);
    ASSERT_TRUE(RankScratchpad(file.db()).ok());
    PlaceOf placeOf{};
    EventReport report;
    ASSERT_TRUE(PrepareEventReport(file.db(), 1, placeOf, report).ok());
    EXPECT_EQ(report.ProgressText, "Final Four In Progress")
        << "the report goes by the bracket, not by the advanced flags";
    EXPECT_EQ(live(1).RoundStatusText, "Standings During Round 1");
}

}  // namespace
