#include "StandingsFixture.h"

namespace {

class BuildLiveStandingsTest : public StandingsFixture {};

TEST_F(BuildLiveStandingsTest, TiesNeedEqualVPctTsAndTrAndTheNextPlaceSkips) {
    fencers(0, 9);
    win(0, 0, 1), win(0, 0, 2), win(0, 0, 3);
    win(0, 1, 4, 5, 1), win(0, 1, 5, 5, 1);
    win(0, 2, 5, 5, 2), win(0, 3, 4, 5, 2);
    win(0, 6, 7, 5, 3), win(0, 6, 8, 5, 3);

    EXPECT_EQ(places(0), QStringList({"1 First0 Last0", "2 First6 Last6", "3 First1 Last1",
                                      "4T First2 Last2", "4T First3 Last3", "6T First7 Last7",
                                      "6T First8 Last8", "8T First4 Last4", "8T First5 Last5"}));

    const LiveStandings standings = live(0);
    const LiveStandingsRow& third = standings.Rows[2];
    EXPECT_EQ(third.VOverBouts(), "2/3");
    EXPECT_DOUBLE_EQ(third.Pct, 2.0 / 3.0);
    EXPECT_EQ(third.IndText(), "+3");
    EXPECT_EQ(standings.Rows[3].IndText(), "-2");
    EXPECT_EQ(standings.Rows[0].School, "Air Force");
    EXPECT_EQ(standings.Rows[0].GridRow, 0);
    EXPECT_EQ(standings.Rows[1].GridRow, 6);
    EXPECT_TRUE(standings.FinalFourSummary.isEmpty());
}

TEST_F(BuildLiveStandingsTest, EvenIndicatorReadsPlusZero) {
    fencers(0, 3);
    win(0, 0, 1, 5, 4);
    win(0, 2, 0, 5, 4);
    win(0, 2, 1, 5, 0);
    const LiveStandings standings = live(0);
    ASSERT_EQ(standings.Rows.size(), 3u);
    EXPECT_EQ(standings.Rows[1].Name, "First0 Last0");
    EXPECT_EQ(standings.Rows[1].IndText(), "+0");
}

TEST_F(BuildLiveStandingsTest, ExcludedFencersAndTheirBouts) {
    fencers(1, 2);
    fencer(1, 2, /*excluded=*/true);
    fencer(1, 3, false, /*excludedButCount=*/true);
    fencer(1, 4);
    win(1, 0, 1, 5, 1);
    win(1, 2, 0, 5, 4);  // against an excluded fencer: counts for nobody
    win(1, 4, 2, 5, 3);  // fencer 4's only bout
    win(1, 3, 1, 5, 2);

    EXPECT_EQ(places(1), QStringList({"1 First0 Last0", "2 FENCER EXCLUDED", "3 First1 Last1"}));
    const LiveStandings standings = live(1);
    EXPECT_EQ(standings.Rows[0].VOverBouts(), "1/1");
    EXPECT_TRUE(standings.Rows[1].School.isEmpty());
    EXPECT_EQ(standings.Rows[1].HTMLName, "FENCER EXCLUDED");
    EXPECT_EQ(standings.Rows[1].FencerNumber, 3);
}

TEST_F(BuildLiveStandingsTest, WebNameFallsBackToThePlainName) {
    fencers(0, 2);
    file.exec(QStringLiteral(
        "UPDATE Roster SET HTMLName = '  ', FName = ' Ann ' WHERE FencerNumber = 0"));
    file.exec(QStringLiteral("UPDATE Roster SET HTMLName = 'M&uuml;ller' WHERE FencerNumber = 1"));
    win(0, 0, 1);
    const LiveStandings standings = live(0);
    EXPECT_EQ(standings.Rows[0].Name, "Ann Last0");
    EXPECT_EQ(standings.Rows[0].HTMLName, "Ann Last0");
    EXPECT_EQ(standings.Rows[1].HTMLName, "M&uuml;ller");
}

TEST_F(BuildLiveStandingsTest, EventsAreKeptApart) {
    fencers(0, 2);
    fencers(3, 2);
    win(0, 0, 1);
    EXPECT_EQ(live(0).Rows.size(), 2u);
    EXPECT_TRUE(live(3).Rows.empty());
    EXPECT_EQ(live(3).RoundStatusText, "NO DATA AVAILABLE");
}

}  // namespace
