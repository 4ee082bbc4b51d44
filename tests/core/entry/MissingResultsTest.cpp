#include "entry/MissingResults.h"
#include "entry/ScheduledBouts.h"

#include "support/ChampionshipBuilder.h"
#include "support/FullEventResults.h"
#include "support/ReadValue.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>

namespace {

// Event 1 fully drawn: fencer n in group n / 3, place n % 3. Round one, strip set 0 pools
// fencers 0..5; round two, strip set 0 duels fencers 0..2 against 12..14.
class MissingResultsTest : public ::testing::Test {
protected:
    MissingResultsTest() { ChampionshipBuilder(file).drawFullEvent(1); }

    // Reports the next `count` bouts the schedule puts on the strip, skipping excluded ones.
    void report(int round, int stripSet, int count) const {
        for (const ScheduledBout& bout : Value(ScheduledBouts::ForEvent(file.db(), 1))) {
            if (count > 0 && bout.round == round && bout.stripSet == stripSet && !bout.excluded &&
                file.count(QStringLiteral("SELECT COUNT(*) FROM Results WHERE Weapon = 1 AND "
                                          "FencerNumber = ? AND Opponent = ?"),
                           {bout.left, bout.right}) == 0) {
                ChampionshipBuilder(file).addBout(1, bout.left, bout.right, 5, 2, true);
                --count;
            }
        }
        ASSERT_EQ(count, 0) << "the strip has fewer bouts to report";
    }
    void exclude(int fencer) const {
        file.exec(QStringLiteral("UPDATE Roster SET Excluded = -1 WHERE Weapon = 1 AND "
                                 "FencerNumber = ?"),
                  {fencer});
    }
    StripReport strip(int round, int stripSet) const {
        return Value(MissingResults::ForEvent(file.db(), 1, 6,
                                              3))[static_cast<size_t>(round * 4 + stripSet)];
    }

    TempChampionship file;
};

TEST(MissingResultsEmptyTest, ANewChampionshipHasNothingReported) {
    TempChampionship file;
    const std::vector<StripReport> all = Value(MissingResults::ForChampionship(file.db(), 6, 3));
    ASSERT_EQ(all.size(), 6u * 7u * 4u);
    for (const StripReport& s : all) {
        EXPECT_EQ(s.state(), ReportState::Missing);
    }
    EXPECT_EQ(all[6 * 28 - 1].weapon, 5);
    EXPECT_EQ(all[6 * 28 - 1].round, 6);
    EXPECT_EQ(all[6 * 28 - 1].stripSet, 3);
}

TEST_F(MissingResultsTest, StripsTurnFromMissingToPartlyToCompletelyReported) {
    EXPECT_EQ(strip(1, 0).state(), ReportState::Missing);
    EXPECT_EQ(strip(1, 0).missing(), 9);
    EXPECT_EQ(strip(0, 2).missing(), 15);

    report(1, 0, 5);
    EXPECT_EQ(strip(1, 0).state(), ReportState::Partial);
    EXPECT_EQ(strip(1, 0).missing(), 4);
    report(0, 2, 14);
    EXPECT_EQ(strip(0, 2).state(), ReportState::Partial);
    EXPECT_EQ(strip(0, 2).missing(), 1);

    report(1, 0, 4);
    report(0, 2, 1);
    EXPECT_EQ(strip(1, 0).state(), ReportState::Complete);
    EXPECT_EQ(strip(0, 2).state(), ReportState::Complete);
    EXPECT_EQ(strip(1, 0).missing(), 0);
    // The other strips of those rounds are untouched.
    EXPECT_EQ(strip(1, 1).state(), ReportState::Missing);
    EXPECT_EQ(strip(0, 1).state(), ReportState::Missing);
}

TEST_F(MissingResultsTest, AnExcludedFencersBoutsAreNotAwaited) {
    exclude(13);  // right side of the round-two dual on strip set 0
    report(1, 0, 6);
    EXPECT_EQ(strip(1, 0).skipped, 3);
    EXPECT_EQ(strip(1, 0).state(), ReportState::Complete);

    exclude(4);  // in the round-one pool of strip set 0
    report(0, 0, 9);
    EXPECT_EQ(strip(0, 0).state(), ReportState::Partial);
    report(0, 0, 1);
    EXPECT_EQ(strip(0, 0).skipped, 5);
    EXPECT_EQ(strip(0, 0).state(), ReportState::Complete);
}

// Each bout of two excluded fencers is skipped once, whichever sides they fence on.
TEST_F(MissingResultsTest, SeveralExcludedFencersOnAStripAreCountedBoutByBout) {
    exclude(1);
    exclude(12);  // opposite sides of the dual: 5 bouts lost, 4 left
    report(1, 0, 3);
    EXPECT_EQ(strip(1, 0).state(), ReportState::Partial);
    report(1, 0, 1);
    EXPECT_EQ(strip(1, 0).skipped, 5);
    EXPECT_EQ(strip(1, 0).state(), ReportState::Complete);

    exclude(21);
    exclude(22);  // group-mates in the pool of groups G and H: 9 bouts lost, 6 left
    report(0, 3, 5);
    EXPECT_EQ(strip(0, 3).state(), ReportState::Partial);
    EXPECT_EQ(strip(0, 3).missing(), 1);
    report(0, 3, 1);
    EXPECT_EQ(strip(0, 3).state(), ReportState::Complete);
}

TEST_F(MissingResultsTest, ABoutWhoseRowsDisagreeOnTheWinnerIsNotReported) {
    report(1, 0, 8);
    // The ninth bout of the dual, 2 against 14, stored with a victory on both sides.
    file.exec(
        QStringLiteral("INSERT INTO Results (Weapon, FencerNumber, Opponent, Victory, "
                       "Touches) VALUES (1, 2, 14, -1, 5), (1, 14, 2, -1, 5)"));
    ASSERT_EQ(file.count(QStringLiteral("SELECT COUNT(*) FROM Results WHERE Weapon = 1")), 18);
    EXPECT_EQ(strip(1, 0).state(), ReportState::Partial);
    EXPECT_EQ(strip(1, 0).missing(), 1);
    // A bout with only one of its rows does not count either.
    file.exec(
        QStringLiteral("DELETE FROM Results WHERE Weapon = 1 AND FencerNumber = 14 "
                       "AND Opponent = 0"));
    EXPECT_EQ(strip(1, 0).missing(), 2);
}

// A strip awaits the bouts its drawn fencers have, so an event short of 24 fencers can be
// completed too.
TEST(MissingResultsShortEventTest, AStripWithAnEmptyPlaceAwaitsOnlyItsFencersBouts) {
    TempChampionship file;
    ChampionshipBuilder builder(file);
    for (int n = 0; n < 5; ++n) {  // groups A and B, place 2 of group B empty
        ChampionshipBuilder::Fencer f;
        f.weapon = 3;
        f.number = n;
        f.team = n;
        f.group = n / 3;
        f.subgroup = n % 3;
        builder.addFencer(f);
    }
    FullEventResults(file).fenceRound(3, 0);
    const StripReport pool = Value(MissingResults::ForEvent(file.db(), 3, 6, 3))[0];
    EXPECT_EQ(pool.scheduled, 10);
    EXPECT_EQ(pool.state(), ReportState::Complete);
}

TEST_F(MissingResultsTest, AFullyFencedEventIsCompleteEverywhere) {
    FullEventResults results(file);
    results.fenceAllRounds(1);
    for (const StripReport& s : Value(MissingResults::ForEvent(file.db(), 1, 6, 3))) {
        EXPECT_EQ(s.state(), ReportState::Complete) << s.round << "/" << s.stripSet;
        EXPECT_EQ(s.reported, s.round == 0 ? 15 : 9);
    }
    // Fewer groups in the file mean fewer rounds and strips to look at.
    EXPECT_EQ(Value(MissingResults::ForEvent(file.db(), 1, 2, 1)).size(), 3u * 2u);
}

}  // namespace
