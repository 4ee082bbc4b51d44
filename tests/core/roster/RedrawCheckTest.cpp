#include "entry/ScheduledBouts.h"
#include "roster/GroupStore.h"
#include "roster/RedrawCheck.h"
#include "support/ChampionshipBuilder.h"
#include "support/ReadValue.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <map>
#include <utility>

namespace {

class RedrawCheckTest : public ::testing::Test {
protected:
    RedrawCheckTest() {
        build.drawFullEvent(0);
        build.drawFullEvent(1);
        build.addBout(0, 0, 3, 5, 2, true);  // group A against group B
        build.addBout(0, 4, 1, 5, 4, true);
        build.addBout(0, 0, 1, 3, 5, false);  // group-mates
    }
    GroupSlotArray swapped(int weapon, size_t a, size_t b) const {
        GroupSlotArray placed = Value(GroupStore(file.db()).load(weapon)).groupSlots;
        std::swap(placed[a], placed[b]);
        return placed;
    }

    TempChampionship file;
    ChampionshipBuilder build{file};
};

TEST_F(RedrawCheckTest, OnlyANewMembershipOfAnEventWithBoutsDisturbsThem) {
    // Places change within group A: every round keeps its matches.
    EXPECT_EQ(Value(RedrawCheck::BoutsDisturbed(file.db(), 0, swapped(0, 0, 2))), 0);
    // Whole groups trade letters: the rounds and strips change.
    GroupSlotArray letters = Value(GroupStore(file.db()).load(0)).groupSlots;
    std::swap_ranges(letters.begin(), letters.begin() + 3, letters.begin() + 3);
    EXPECT_EQ(Value(RedrawCheck::BoutsDisturbed(file.db(), 0, letters)), 3);
    EXPECT_EQ(Value(RedrawCheck::BoutsDisturbed(file.db(), 0, swapped(0, 0, 23))), 3);
    // An event without bouts may be drawn again freely.
    EXPECT_EQ(Value(RedrawCheck::BoutsDisturbed(file.db(), 1, swapped(1, 0, 23))), 0);
    EXPECT_TRUE(RedrawCheck::Question(3).startsWith(QStringLiteral("3 bout(s)")));
    EXPECT_TRUE(RedrawCheck::Refusal(3).contains(QStringLiteral("--force")));
}

TEST_F(RedrawCheckTest, ASavedRedrawKeepsEveryBoutAndEveryPairStillMeetsOnce) {
    const long long rows = file.count("SELECT COUNT(*) FROM Results WHERE Weapon = 0");
    ASSERT_TRUE(GroupStore(file.db()).save(0, swapped(0, 0, 23)).ok());
    EXPECT_EQ(file.count("SELECT COUNT(*) FROM Results WHERE Weapon = 0"), rows);
    std::map<std::pair<int, int>, int> meetings;
    for (const ScheduledBout& bout : Value(ScheduledBouts::ForEvent(file.db(), 0))) {
        ++meetings[{std::min(bout.left, bout.right), std::max(bout.left, bout.right)}];
    }
    EXPECT_EQ(meetings.size(), 276u);
    for (const auto& [pair, count] : meetings) {
        EXPECT_EQ(count, 1) << pair.first << " v " << pair.second;
    }
}

}  // namespace
