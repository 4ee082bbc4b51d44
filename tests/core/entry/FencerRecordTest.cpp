#include "entry/FencerChoices.h"
#include "entry/FencerRecord.h"

#include "support/ChampionshipBuilder.h"
#include "support/FullEventResults.h"
#include "support/ReadValue.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>

namespace {

// Event 4 fully drawn: fencer n in group n / 3, place n % 3, school n.
class FencerRecordTest : public ::testing::Test {
protected:
    FencerRecordTest() { ChampionshipBuilder(file).drawFullEvent(4); }

    TempChampionship file;
};

TEST_F(FencerRecordTest, AFullyFencedRecordListsAll23BoutsInRoundOrderWithTheirTotals) {
    FullEventResults(file).fenceAllRounds(4);
    const FencerRecord record = Value(FencerRecord::Load(file.db(), 4, 4));
    ASSERT_EQ(record.bouts.size(), 23u);
    EXPECT_EQ(record.wins + record.losses, 23);
    // Fencer 4 (group B, place 1): in round one the group-mates 3 and 5 first, then group A.
    std::vector<int> roundOne;
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(record.bouts[i].round, 0);
        roundOne.push_back(record.bouts[i].opponent);
    }
    EXPECT_EQ(roundOne, (std::vector<int>{3, 5, 0, 1, 2}));
    int scored = 0;
    int received = 0;
    int wins = 0;
    for (size_t i = 0; i < record.bouts.size(); ++i) {
        const RecordBout& bout = record.bouts[i];
        ASSERT_TRUE(bout.score.has_value()) << i;
        if (i >= 5) {
            EXPECT_EQ(bout.round, 1 + static_cast<int>(i - 5) / 3) << i;
        }
        // The default outcome: the lower fencer number wins 5 to (sum mod 5).
        EXPECT_EQ(bout.score->leftWins, 4 < bout.opponent) << i;
        EXPECT_EQ(bout.score->leftTouches, 4 < bout.opponent ? 5 : (4 + bout.opponent) % 5);
        scored += bout.score->leftTouches;
        received += bout.score->rightTouches;
        wins += bout.score->leftWins ? 1 : 0;
    }
    EXPECT_EQ(wins, 19);
    EXPECT_EQ(record.wins, wins);
    EXPECT_EQ(record.scored, scored);
    EXPECT_EQ(record.received, received);
    EXPECT_EQ(record.bouts[0].opponentName, QStringLiteral("First3 Last3"));
    EXPECT_FALSE(record.bouts[0].school.isEmpty());
}

TEST_F(FencerRecordTest, UnrecordedAndBrokenBoutsAreListedButNotCounted) {
    ChampionshipBuilder builder(file);
    builder.addBout(4, 0, 1, 5, 3, true);
    builder.addBout(4, 2, 0, 4, 4, true);  // won by 2 at equal touches
    // 0 against 3: a victory on both rows, so no result.
    file.exec(
        QStringLiteral("INSERT INTO Results (Weapon, FencerNumber, Opponent, Victory, "
                       "Touches) VALUES (4, 0, 3, -1, 5), (4, 3, 0, -1, 2)"));
    file.exec(
        QStringLiteral("UPDATE Roster SET Excluded = -1 WHERE Weapon = 4 AND "
                       "FencerNumber = 2"));
    const FencerRecord record = Value(FencerRecord::Load(file.db(), 4, 0));
    ASSERT_EQ(record.bouts.size(), 23u);
    EXPECT_EQ(record.bouts[0].opponent, 1);
    EXPECT_EQ(record.bouts[0].score, (BoutScore{5, 3, true}));
    // The excluded opponent is still listed with his result.
    EXPECT_EQ(record.bouts[1].opponent, 2);
    EXPECT_TRUE(record.bouts[1].opponentExcluded);
    EXPECT_EQ(record.bouts[1].score, (BoutScore{4, 4, false}));
    EXPECT_EQ(record.bouts[2].opponent, 3);
    EXPECT_FALSE(record.bouts[2].score.has_value());
    EXPECT_EQ(record.victoriesText(), QStringLiteral("1-1"));
    EXPECT_EQ(record.touchesText(), QStringLiteral("9-7"));
    EXPECT_EQ(record.indicatorText(), QStringLiteral("+2"));
}

TEST(FencerRecordTotalsTest, TheIndicatorAlwaysCarriesASign) {
    FencerRecord record;
    record.scored = 30;
    record.received = 35;
    EXPECT_EQ(record.indicatorText(), QStringLiteral("-5"));
    record.received = 30;
    EXPECT_EQ(record.indicatorText(), QStringLiteral("+0"));
    record.scored = 35;
    EXPECT_EQ(record.indicatorText(), QStringLiteral("+5"));
}

TEST(FencerRecordUndrawnTest, AFencerWithoutAGroupHasNoBouts) {
    TempChampionship file;
    ChampionshipBuilder(file).addFencer({});
    EXPECT_TRUE(Value(FencerRecord::Load(file.db(), 0, 0)).bouts.empty());
}

TEST_F(FencerRecordTest, FencersAreOfferedByNameAndShownFirstNameFirst) {
    ChampionshipBuilder builder(file);
    ChampionshipBuilder::Fencer f;
    f.weapon = 5;
    f.number = 7;
    f.first = QStringLiteral("Mary Ann");
    f.last = QStringLiteral("O'Neil");
    builder.addFencer(f);
    f.number = 3;
    f.first = QStringLiteral("zoe");
    f.last = QStringLiteral("adams");
    builder.addFencer(f);
    const std::vector<FencerChoice> fencers = Value(FencerChoices::ForEvent(file.db(), 5));
    ASSERT_EQ(fencers.size(), 2u);
    EXPECT_EQ(fencers[0].fencerNumber, 3);  // sorted without regard to case
    const QString abbreviation =
        file.text(QStringLiteral("SELECT Abbreviation FROM Teams WHERE Team = 0"));
    EXPECT_EQ(fencers[1].caption, QStringLiteral("O'Neil, Mary Ann (%1)").arg(abbreviation));
    EXPECT_EQ(FencerChoices::DisplayName(fencers[1].caption),
              QStringLiteral("Mary Ann O'Neil (%1)").arg(abbreviation));
    EXPECT_EQ(Value(FencerChoices::ForEvent(file.db(), 4)).size(), 24u);
    EXPECT_TRUE(Value(FencerChoices::ForEvent(file.db(), 0)).empty());
}

}  // namespace
