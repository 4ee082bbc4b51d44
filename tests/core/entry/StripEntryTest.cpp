#include "entry/DualEntry.h"
#include "entry/PoolEntry.h"
#include "entry/StripHeader.h"

#include "support/ChampionshipBuilder.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

// Event 2 fully drawn: fencer n in group n / 3, place n % 3. Round one, strip set 0 pools
// groups A and B (fencers 0..5); round two, strip set 0 duels group A against group E.
class StripEntryTest : public ::testing::Test {
protected:
    StripEntryTest() { ChampionshipBuilder(file).drawFullEvent(2); }

    std::array<int, 6> numbers(const StripLineup& lineup) const {
        std::array<int, 6> n{};
        for (size_t p = 0; p < 6; ++p) {
            n[p] = lineup.places[p].fencerNumber;
        }
        return n;
    }
    long long rows() const { return file.count(QStringLiteral("SELECT COUNT(*) FROM Results")); }

    TempChampionship file;
};

TEST_F(StripEntryTest, PoolPlacesFollowTheStripPositions) {
    const StripLineup pool = StripLineup::LoadPool(file.db(), 2, 0);
    EXPECT_EQ(numbers(pool), (std::array<int, 6>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(pool.places[4].name, QStringLiteral("First4 Last4"));
    EXPECT_FALSE(pool.places[4].school.isEmpty());
    EXPECT_EQ(numbers(StripLineup::LoadPool(file.db(), 2, 3)),
              (std::array<int, 6>{21, 22, 23, 18, 19, 20}));
    EXPECT_EQ(StripHeader::Matchup(file.db(), 0, 3), QStringLiteral("Group H vs. Group G"));
    EXPECT_EQ(StripHeader::StripNames(file.db(), 2).at(3), QStringLiteral("12"));
}

TEST_F(StripEntryTest, TeammatesAtPlacesTwoAndFiveExchangePlacesOneAndThree) {
    file.exec(QStringLiteral("UPDATE Roster SET Team = 2 WHERE Weapon = 2 AND FencerNumber = 5"));
    PoolEntry pool = PoolEntry::Load(file.db(), 2, 0);
    EXPECT_EQ(numbers(pool.lineup), (std::array<int, 6>{0, 3, 2, 1, 4, 5}));
    // Place 1 now holds fencer 3: the bout typed between places 0 and 1 is 0 against 3.
    pool.scores.setMark(0, 1, QStringLiteral("5"));
    pool.scores.setMark(1, 0, QStringLiteral("2"));
    ASSERT_TRUE(pool.save(file.db(), 2).ok());
    EXPECT_EQ(BoutResults::Read(file.db(), 2, 0, 3), (BoutScore{5, 2, true}));
    EXPECT_EQ(rows(), 2);

    // Two empty third places are no teammates.
    file.exec(
        QStringLiteral("UPDATE Roster SET \"Group\" = 99, Subgroup = 99 WHERE Weapon = 2 AND "
                       "FencerNumber IN (2, 5)"));
    EXPECT_EQ(numbers(StripLineup::LoadPool(file.db(), 2, 0)),
              (std::array<int, 6>{0, 1, -1, 3, 4, -1}));
    file.exec(
        QStringLiteral("UPDATE Roster SET \"Group\" = FencerNumber / 3, Subgroup = 2 WHERE Weapon "
                       "= 2 AND FencerNumber IN (2, 5)"));

    // An excluded teammate keeps the fencers in their places.
    file.exec(
        QStringLiteral("UPDATE Roster SET Excluded = -1 WHERE Weapon = 2 AND FencerNumber = 5"));
    EXPECT_EQ(numbers(StripLineup::LoadPool(file.db(), 2, 0)),
              (std::array<int, 6>{0, 1, 2, 3, 4, 5}));
}

TEST_F(StripEntryTest, PoolLoadsStoredBoutsAsMarksAndSavesClearedOnes) {
    ChampionshipBuilder(file).addBout(2, 4, 1, 3, 3, true);
    ChampionshipBuilder(file).addBout(2, 0, 5, 2, 5, false);
    PoolEntry pool = PoolEntry::Load(file.db(), 2, 0);
    EXPECT_EQ(pool.scores.mark(4, 1), QStringLiteral("V"));
    EXPECT_EQ(pool.scores.mark(1, 4), QStringLiteral("3"));
    EXPECT_EQ(pool.scores.mark(5, 0), QStringLiteral("5"));
    const std::array<PoolTotals, 6> totals = pool.scores.totals();
    EXPECT_EQ(totals[4].victories, 1);
    EXPECT_EQ(totals[0].touchesScored, 2);
    EXPECT_EQ(totals[0].touchesReceived, 5);
    EXPECT_EQ(totals[0].indicator(), -3);

    pool.scores.setMark(4, 1, QString());
    pool.scores.setMark(1, 4, QString());
    ASSERT_TRUE(pool.save(file.db(), 2).ok());
    EXPECT_EQ(rows(), 2);
    EXPECT_EQ(BoutResults::Read(file.db(), 2, 4, 1), std::nullopt);
}

TEST_F(StripEntryTest, PoolRefusesAnInvalidPairAndNamesTheFirstOne) {
    PoolEntry pool = PoolEntry::Load(file.db(), 2, 0);
    pool.scores.setMark(3, 5, QStringLiteral("4"));
    pool.scores.setMark(0, 1, QStringLiteral("V"));
    pool.scores.setMark(2, 4, QStringLiteral("5"));
    pool.scores.setMark(4, 2, QStringLiteral("5"));
    const Status s = pool.save(file.db(), 2);
    EXPECT_FALSE(s.ok());
    EXPECT_EQ(s.message(), QStringLiteral("Invalid data in bout 1-2"));
    EXPECT_EQ(rows(), 0);
}

TEST_F(StripEntryTest, ExcludedFencersBoutsAreNeitherShownNorTouched) {
    ChampionshipBuilder(file).addBout(2, 1, 2, 5, 1, true);
    ChampionshipBuilder(file).addBout(2, 0, 2, 5, 1, true);
    file.exec(
        QStringLiteral("UPDATE Roster SET Excluded = -1 WHERE Weapon = 2 AND FencerNumber = 2"));
    PoolEntry pool = PoolEntry::Load(file.db(), 2, 0);
    EXPECT_FALSE(pool.cellEntered(1, 2));
    EXPECT_TRUE(pool.scores.mark(1, 2).isEmpty());
    EXPECT_EQ(pool.bouts().size(), 10u);
    ASSERT_TRUE(pool.save(file.db(), 2).ok());
    EXPECT_EQ(rows(), 4);
}

TEST_F(StripEntryTest, UndrawnPoolHasNoFencersAndSavesNothing) {
    file.exec(QStringLiteral("UPDATE Roster SET \"Group\" = 99, Subgroup = 99"));
    PoolEntry pool = PoolEntry::Load(file.db(), 2, 1);
    EXPECT_EQ(numbers(pool.lineup), (std::array<int, 6>{-1, -1, -1, -1, -1, -1}));
    EXPECT_TRUE(pool.bouts().empty());
    EXPECT_TRUE(pool.save(file.db(), 2).ok());
    EXPECT_EQ(rows(), 0);
}

TEST_F(StripEntryTest, DualLinesFollowTheStoredBoutOrder) {
    const DualLines lines = DualLines::Load(file.db());
    for (int p = 0; p < 6; ++p) {
        for (int s = 0; s < 3; ++s) {
            EXPECT_EQ(lines.LineOf(p, s), DualLines::SeedOrder().LineOf(p, s));
        }
    }
    EXPECT_EQ(lines.leftPosition(0), 2);
    EXPECT_EQ(lines.rightPosition(0), 5);
    // Position 2 fences bouts 0, 4 and 8.
    EXPECT_EQ(lines.boutOf(2, 0), 0);
    EXPECT_EQ(lines.boutOf(2, 1), 4);
    EXPECT_EQ(lines.boutOf(2, 2), 8);
    // Every left position meets every right position once.
    std::set<std::pair<int, int>> pairs;
    for (int k = 0; k < 9; ++k) {
        pairs.insert({lines.leftPosition(k), lines.rightPosition(k)});
    }
    EXPECT_EQ(pairs.size(), 9u);
}

TEST_F(StripEntryTest, DualLoadsItsBoutsAndSavesOnlyTypeableOnes) {
    const DualLines lines = DualLines::Load(file.db());
    ChampionshipBuilder(file).addBout(2, 14, 2, 4, 4, false);
    file.exec(
        QStringLiteral("UPDATE Roster SET Excluded = -1 WHERE Weapon = 2 AND FencerNumber = 13"));
    ChampionshipBuilder(file).addBout(2, 0, 13, 5, 0, true);
    DualEntry dual = DualEntry::Load(file.db(), lines, 2, 1, 0);
    EXPECT_EQ(dual.bouts[0].left, 2);
    EXPECT_EQ(dual.bouts[0].right, 14);
    EXPECT_EQ(dual.bouts[0].score, (BoutScore{4, 4, true}));
    int typeable = 0;
    for (DualBout& bout : dual.bouts) {
        typeable += bout.entered ? 1 : 0;
        bout.score = BoutScore{5, 1, true};
    }
    EXPECT_EQ(typeable, 6);
    ASSERT_TRUE(dual.save(file.db(), 2).ok());
    EXPECT_EQ(rows(), 14);
    EXPECT_EQ(BoutResults::Read(file.db(), 2, 0, 13), (BoutScore{5, 0, true}));
    EXPECT_EQ(StripHeader::Matchup(file.db(), 1, 0), QStringLiteral("Group A vs. Group E"));
}

// The window works on a connection of its own; `file` is another writer on the same file.
TEST_F(StripEntryTest, PoolSaveKeepsWhatAnotherWriterRecordedSinceLoading) {
    const std::unique_ptr<Database> station = file.openAnother();
    ChampionshipBuilder(file).addBout(2, 4, 5, 5, 2, true);
    PoolEntry pool = PoolEntry::Load(*station, 2, 0);
    // After loading: bout 1-2 recorded, 3-5 recorded and 5-6 changed, all elsewhere.
    ChampionshipBuilder(file).addBout(2, 0, 1, 2, 5, false);
    ChampionshipBuilder(file).addBout(2, 2, 4, 5, 0, true);
    file.exec(
        QStringLiteral("UPDATE Results SET Touches = 4 WHERE Weapon = 2 AND FencerNumber = 5"));

    // Typed here: 1-2 differently, and 1-3 which nobody else touched.
    pool.scores.setMark(0, 1, QStringLiteral("V"));
    pool.scores.setMark(1, 0, QStringLiteral("3"));
    pool.scores.setMark(0, 2, QStringLiteral("5"));
    pool.scores.setMark(2, 0, QStringLiteral("1"));
    QStringList told;
    ASSERT_TRUE(pool.save(*station, 2, &told).ok());

    EXPECT_EQ(BoutResults::Read(file.db(), 2, 0, 1), (BoutScore{2, 5, false}));
    EXPECT_EQ(BoutResults::Read(file.db(), 2, 0, 2), (BoutScore{5, 1, true}));
    // Bouts the window did not change are not rewritten as it loaded them.
    EXPECT_EQ(BoutResults::Read(file.db(), 2, 2, 4), (BoutScore{5, 0, true}));
    EXPECT_EQ(BoutResults::Read(file.db(), 2, 4, 5), (BoutScore{5, 4, true}));
    EXPECT_EQ(rows(), 8);
    EXPECT_EQ(told, QStringList(QStringLiteral(
                        "Bout 1-2 (First0 Last0 v First1 Last1): typed \"V-3\", stored \"2-5\"")));
    // The pool now shows the stored bout, and saving again finds nothing to clash with.
    EXPECT_EQ(pool.scores.mark(0, 1), QStringLiteral("2"));
    EXPECT_EQ(pool.scores.mark(1, 0), QStringLiteral("5"));
    EXPECT_TRUE(pool.changes().empty());
    pool.scores.setMark(0, 1, QString());
    pool.scores.setMark(1, 0, QString());
    ASSERT_TRUE(pool.save(*station, 2, &told).ok());
    EXPECT_TRUE(told.isEmpty());
    EXPECT_EQ(BoutResults::Read(file.db(), 2, 0, 1), std::nullopt);
}

TEST_F(StripEntryTest, DualSaveKeepsWhatAnotherWriterRecordedSinceLoading) {
    const std::unique_ptr<Database> station = file.openAnother();
    const DualLines lines = DualLines::Load(*station);
    DualEntry dual = DualEntry::Load(*station, lines, 2, 1, 0);
    // Since loading another writer recorded bout 1 (fencer 2 against 14) and 0 against 13.
    ASSERT_EQ(dual.bouts[0].left, 2);
    ChampionshipBuilder(file).addBout(2, 2, 14, 5, 1, true);
    ChampionshipBuilder(file).addBout(2, 0, 13, 3, 5, false);
    // Typed here: bout 1 differently, and fencer 1 against 12, which nobody else touched.
    const auto oneAgainstTwelve =
        std::find_if(dual.bouts.begin(), dual.bouts.end(),
                     [](const DualBout& b) { return b.left == 1 && b.right == 12; });
    ASSERT_NE(oneAgainstTwelve, dual.bouts.end());
    dual.bouts[0].score = BoutScore{2, 5, false};
    oneAgainstTwelve->score = BoutScore{5, 0, true};
    QStringList told;
    ASSERT_TRUE(dual.save(*station, 2, &told).ok());

    EXPECT_EQ(BoutResults::Read(file.db(), 2, 2, 14), (BoutScore{5, 1, true}));
    EXPECT_EQ(BoutResults::Read(file.db(), 2, 0, 13), (BoutScore{3, 5, false}));
    EXPECT_EQ(BoutResults::Read(file.db(), 2, 1, 12), (BoutScore{5, 0, true}));
    EXPECT_EQ(rows(), 6);
    ASSERT_EQ(told.size(), 1);
    EXPECT_EQ(
        told[0],
        QStringLiteral("Bout 1 (First2 Last2 v First14 Last14): typed \"2-5\", stored \"5-1\""));
    EXPECT_EQ(dual.bouts[0].score, (BoutScore{5, 1, true}));
    EXPECT_EQ(dual.bouts[0].loaded, dual.bouts[0].score);
}

}  // namespace
