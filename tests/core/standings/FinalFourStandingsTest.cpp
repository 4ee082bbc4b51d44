#include "StandingsFixture.h"

#include "standings/LoadFinalFourPicture.h"

namespace {

// Six fencers, each beating every higher number 5-1, so fencer n has 5 - n victories;
// fencers 0 to 3 are seeded: Semifinal A 0 against 3, Semifinal B 2 against 1.
class FinalFourStandingsTest : public StandingsFixture {
protected:
    void SetUp() override {
        fencers(2, 6);
        for (int a = 0; a < 6; ++a) {
            for (int b = a + 1; b < 6; ++b) {
                win(2, a, b, 5, 1);
            }
        }
        advance(2, {0, 1, 2, 3});
        finalFour(2, 0, 0, 3);
        finalFour(2, 1, 2, 1);
    }
    void decideSemifinals() {
        file.exec(QStringLiteral("UPDATE FinalFour SET Winner = 0, Score = '5-2' WHERE Bout = 0"));
        file.exec(QStringLiteral("UPDATE FinalFour SET Winner = 1, Score = '5-4' WHERE Bout = 1"));
    }
};

TEST_F(FinalFourStandingsTest, SeededFinalistsReadFinal4AndTheRestStartAtFive) {
    EXPECT_EQ(places(2),
              QStringList({"Final4 First0 Last0", "Final4 First1 Last1", "Final4 First2 Last2",
                           "Final4 First3 Last3", "5 First4 Last4", "6 First5 Last5"}));
    EXPECT_EQ(live(2).RoundStatusText, "Final Four In Progress");
}

TEST_F(FinalFourStandingsTest, OnlyTheGoldBoutOpenShowsFinal2AbovePlacesThreeAndFour) {
    decideSemifinals();
    finalFour(2, 10, 0, 1);
    finalFour(2, 11, 3, 2, 2, QStringLiteral("5-3"));
    EXPECT_EQ(places(2).mid(0, 4), QStringList({"Final2 First0 Last0", "Final2 First1 Last1",
                                                "3 First2 Last2", "4 First3 Last3"}));
    EXPECT_EQ(live(2).RoundStatusText, "Final Four In Progress");
}

TEST_F(FinalFourStandingsTest, OnlyTheBronzeBoutOpenKeepsFinal4) {
    decideSemifinals();
    finalFour(2, 10, 0, 1, 1, QStringLiteral("5-4"));
    finalFour(2, 11, 3, 2);
    EXPECT_EQ(places(2).mid(0, 4), QStringList({"1 First1 Last1", "2 First0 Last0",
                                                "Final4 First2 Last2", "Final4 First3 Last3"}));
}

TEST_F(FinalFourStandingsTest, CompleteFinalFourGivesPlacesAndTheSummary) {
    decideSemifinals();
    finalFour(2, 10, 0, 1, 1, QStringLiteral("5-4"));
    finalFour(2, 11, 3, 2, 2, QStringLiteral("5-3"));
    const LiveStandings standings = live(2);
    EXPECT_EQ(places(2), QStringList({"1 First1 Last1", "2 First0 Last0", "3 First2 Last2",
                                      "4 First3 Last3", "5 First4 Last4", "6 First5 Last5"}));
    EXPECT_EQ(standings.RoundStatusText, "Final Standings");
    EXPECT_EQ(standings.FinalFourSummary,
              "Gold Medal:   First1 Last1 def. First0 Last0, 5-4\r\n"
              "Bronze Medal: First2 Last2 def. First3 Last3, 5-3\r\n\r\n"
              "Semifinals:   Last0 def. Last3, 5-2\r\n"
              "              Last1 def. Last2, 5-4");
    EXPECT_EQ(standings.Places[1], 1);
    EXPECT_EQ(standings.Places[3], 4);
    EXPECT_EQ(standings.Places[4], 0);
}

TEST_F(FinalFourStandingsTest, PictureSlotsTouchesAndExcludedNames) {
    decideSemifinals();
    finalFour(2, 10, 0, 1, 1, QStringLiteral("5-4"));
    finalFour(2, 11, 3, 2, 2, QStringLiteral("by forfeit"));
    file.exec(
        QStringLiteral("UPDATE Roster SET ExcludedButCount = -1 WHERE Weapon = 2 AND "
                       "FencerNumber = 3"));
    FinalFourPicture picture;
    PlaceOf placeOf{};
    ASSERT_TRUE(LoadFinalFourPicture(file.db(), 2, picture, &placeOf).ok());

    EXPECT_EQ(picture.Seeds[1].FencerNumber, 0);
    EXPECT_EQ(picture.Seeds[4].FencerNumber, 3);
    EXPECT_EQ(picture.Seeds[3].FencerNumber, 2);
    EXPECT_EQ(picture.Seeds[2].FencerNumber, 1);
    EXPECT_EQ(picture.Seeds[1].Touches, "5");
    EXPECT_EQ(picture.Seeds[4].Touches, "2");
    EXPECT_EQ(picture.Seeds[2].Touches, "5") << "the winner's touches come first";
    EXPECT_EQ(picture.Seeds[3].Touches, "4");
    EXPECT_EQ(picture.Finalists[1].Touches, "4") << "fencer 0 lost the gold bout 4-5";
    EXPECT_EQ(picture.Finalists[2].Touches, "5");
    EXPECT_TRUE(picture.Finalists[3].Touches.isEmpty()) << "a score without a dash is not split";
    EXPECT_EQ(picture.Places[3].Score, "by forfeit");
    EXPECT_EQ(picture.Seeds[4].FullName, "FENCER EXCLUDED");
    EXPECT_EQ(picture.Finalists[3].LName, "EXCLUDED");
    EXPECT_EQ(picture.Places[4].HTMLName, "FENCER EXCLUDED");
    EXPECT_EQ(picture.Places[1].FullName, "First1 Last1");
    EXPECT_EQ((std::vector<int>{placeOf[0], placeOf[1], placeOf[2], placeOf[3]}),
              (std::vector<int>{2, 1, 3, 4}));
    EXPECT_FALSE(picture.FinalFourInProgress());
}

TEST_F(FinalFourStandingsTest, UndecidedSemifinalHasNoLoser) {
    FinalFourPicture picture;
    ASSERT_TRUE(LoadFinalFourPicture(file.db(), 2, picture).ok());
    EXPECT_TRUE(picture.FinalFourSeeded());
    EXPECT_TRUE(picture.FinalFourInProgress());
    for (int slot = 1; slot <= 4; ++slot) {
        EXPECT_TRUE(picture.Finalists[static_cast<size_t>(slot)].isEmpty()) << slot;
        EXPECT_TRUE(picture.Finalists[static_cast<size_t>(slot)].FullName.isEmpty()) << slot;
    }
    FinalFourPicture none;
    ASSERT_TRUE(LoadFinalFourPicture(file.db(), 0, none).ok());
    EXPECT_FALSE(none.FinalFourSeeded());
}

// Five fencers with the same record: the fifth is not tied with the fourth finalist.
TEST_F(StandingsFixture, FencerLevelWithTheFourthFinalistIsPlacedFifth) {
    fencers(4, 10);
    for (int n = 0; n < 5; ++n) {
        win(4, n, n + 5);
    }
    advance(4, {0, 1, 2, 3});
    finalFour(4, 0, 0, 3);
    finalFour(4, 1, 2, 1);
    EXPECT_EQ(places(4).mid(3, 3),
              QStringList({"Final4 First3 Last3", "5 First4 Last4", "6T First5 Last5"}));
}

// Finalists whose pool bouts were mostly lost to exclusions: fewer than four rows to label.
TEST_F(StandingsFixture, FinalFourBlockWithFewerThanFourListedFencers) {
    fencers(5, 4);
    win(5, 0, 1);
    advance(5, {0, 1, 2, 3});
    finalFour(5, 0, 0, 3);
    finalFour(5, 1, 2, 1);
    EXPECT_EQ(places(5), QStringList({"Final2 First0 Last0", "Final2 First1 Last1"}));
}

}  // namespace
