#include "StandingsFixture.h"

#include "standings/LoadFinalFourPicture.h"
#include "standings/RankScratchpad.h"
#include "standings/RankedPlaces.h"
#include "standings/SeedingOrder.h"

namespace {

class WorkTableTest : public StandingsFixture {
protected:
    std::vector<RankedPlace> ranked(int weapon, PlaceOf& placeOf) {
        EXPECT_TRUE(RankScratchpad(file.db()).ok());
        FinalFourPicture picture;
        EXPECT_TRUE(LoadFinalFourPicture(file.db(), weapon, picture, &placeOf).ok());
        std::vector<RankedPlace> rows;
        const Status s = RankedPlaces(file.db(), weapon, picture, rows, placeOf);
        EXPECT_TRUE(s.ok()) << s.message().toStdString();
        return rows;
    }
    QStringList rankedText(int weapon) {
        PlaceOf placeOf{};
        QStringList out;
        for (const RankedPlace& r : ranked(weapon, placeOf)) {
            out << QStringLiteral("%1 %2 %3 %4 %5")
                       .arg(r.Place)
                       .arg(r.Name, r.PctV, r.Indic)
                       .arg(r.TS);
        }
        return out;
    }
    QStringList seeding(int weapon) {
        std::vector<SeedingRow> rows;
        EXPECT_TRUE(SeedingOrder(file.db(), weapon, rows).ok());
        QStringList out;
        for (const SeedingRow& r : rows) {
            out << QString::number(r.FencerNumber);
        }
        return out;
    }
};

// 10 and 11 both win once with an indicator of +2; 10 scored more touches.
TEST_F(WorkTableTest, MoreTouchesScoredBreaksAnEvenIndicatorInEveryOrdering) {
    for (int n = 10; n < 14; ++n) {
        fencer(1, n);
    }
    win(1, 11, 13, 4, 2);
    win(1, 10, 12, 5, 3);
    EXPECT_EQ(places(1).mid(0, 2), QStringList({"1 First10 Last10", "2 First11 Last11"}));
    EXPECT_EQ(seeding(1).mid(0, 2), QStringList({"10", "11"}));
    EXPECT_EQ(rankedText(1).mid(0, 2),
              QStringList({"1 First10 Last10 1.000 +2 5", "2 First11 Last11 1.000 +2 4"}));
}

TEST_F(WorkTableTest, PercentageCountsDecidedBoutsRoundedToThousandths) {
    fencers(0, 5);
    win(0, 0, 1, 5, 1), win(0, 0, 2, 5, 2), win(0, 3, 0, 5, 4);
    // A bout stopped without a winner: both rows without a victory.
    file.exec(QStringLiteral("INSERT INTO Results VALUES (0, 0, 4, 0, 2), (0, 4, 0, 0, 2)"));
    EXPECT_EQ(rankedText(0).first(), "1 First0 Last0 0.667 +6 16");
    EXPECT_DOUBLE_EQ(live(0).Rows[0].Pct, 0.5) << "the live share divides by all bouts";
    EXPECT_EQ(file.count(QStringLiteral("SELECT Pct * 1000 FROM ResultsScratchpad WHERE "
                                        "FencerNumber = 4")),
              0)
        << "no decided bout gives 0";
    EXPECT_EQ(file.count(QStringLiteral("SELECT RankOrder FROM ResultsScratchpad WHERE "
                                        "FencerNumber = 0")),
              10000000000LL * 2 + 1000000LL * 667 + 1000 * 6 + 16);
}

TEST_F(WorkTableTest, EqualKeysSharePlacesAndExclusionsFollowTheReportRules) {
    fencers(0, 4);
    fencer(0, 4, /*excluded=*/true);
    fencer(0, 5, false, /*excludedButCount=*/true);
    fencer(0, 6, false, false, /*injury=*/true);
    win(0, 0, 2, 5, 1), win(0, 1, 3, 5, 1);
    win(0, 4, 0, 5, 0);  // against an excluded fencer
    win(0, 6, 4, 5, 0);  // 6's only bout: he is not listed
    win(0, 5, 6, 5, 3);
    EXPECT_EQ(rankedText(0),
              QStringList({"1 First0 Last0 1.000 +4 5", "1 First1 Last1 1.000 +4 5",
                           "3 First5 Last5 1.000 +2 5", "4 First6 Last6 0.000 -2 3",
                           "5 First2 Last2 0.000 -4 1", "5 First3 Last3 0.000 -4 1"}));
}

TEST_F(WorkTableTest, SeededFinalistsLeaveTheListWhichStartsAtFive) {
    fencers(2, 6);
    for (int a = 0; a < 6; ++a) {
        for (int b = a + 1; b < 6; ++b) {
            win(2, a, b, 5, 1);
        }
    }
    advance(2, {0, 1, 2, 3});
    finalFour(2, 0, 0, 3, 0, QStringLiteral("5-2"));
    finalFour(2, 1, 2, 1, 1, QStringLiteral("5-4"));
    finalFour(2, 10, 0, 1, 1, QStringLiteral("5-4"));
    PlaceOf placeOf{};
    const std::vector<RankedPlace> rows = ranked(2, placeOf);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].Place, 5);
    EXPECT_EQ(rows[1].Place, 6);
    EXPECT_EQ((std::vector<int>(placeOf.begin(), placeOf.begin() + 6)),
              (std::vector<int>{2, 1, 0, 0, 5, 6}))
        << "only decided medal bouts give places 1 to 4";
    EXPECT_EQ(seeding(2), QStringList({"0", "1", "2", "3", "4", "5"}));
}

TEST_F(WorkTableTest, SeedingIgnoresTheFencersOwnExclusionButNotHisOpponents) {
    fencers(0, 3);
    fencer(0, 3, /*excluded=*/true);
    win(0, 3, 0, 5, 0), win(0, 3, 1, 5, 0);
    win(0, 2, 1, 5, 0);
    std::vector<SeedingRow> rows;
    ASSERT_TRUE(SeedingOrder(file.db(), 0, rows).ok());
    EXPECT_EQ(seeding(0), QStringList({"3", "2", "1"}))
        << "fencer 0 fenced only the excluded fencer";
    EXPECT_TRUE(rows.front().Excluded);
    EXPECT_EQ(rows.back().Abbreviation, "BARD");
    EXPECT_EQ(places(0), QStringList({"1 First2 Last2", "2 First1 Last1"}));
}

TEST_F(WorkTableTest, SchoolWithoutMediumNameStillRanks) {
    fencers(0, 2);
    file.exec(QStringLiteral("UPDATE Teams SET MediumTeamName = '' WHERE Team = 0"));
    win(0, 0, 1);
    EXPECT_EQ(rankedText(0).first(), "1 First0 Last0 1.000 +5 5");
}

}  // namespace
