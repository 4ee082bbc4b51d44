#include "roster/GroupDraw.h"
#include "roster/GroupSlots.h"
#include "roster/GroupStore.h"
#include "roster/SchoolList.h"
#include "support/ChampionshipBuilder.h"
#include "support/ReadValue.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>

namespace {

SchoolList schools() {
    std::vector<SchoolList::School> list;
    for (int t = 0; t < 30; ++t) {
        list.push_back({t, QStringLiteral("S%1").arg(t)});
    }
    return SchoolList(list);
}

// Fencer n of school teams[n], named after its number.
std::vector<RosterRow> roster(const std::vector<int>& teams) {
    std::vector<RosterRow> rows;
    for (size_t n = 0; n < teams.size(); ++n) {
        RosterRow row;
        row.fencerNumber = static_cast<int>(n);
        row.team = teams[n];
        row.first = QStringLiteral("F%1").arg(n);
        row.last = QStringLiteral("L%1").arg(n);
        rows.push_back(row);
    }
    return rows;
}

// Keys handed out in the order asked: 0.01, 0.02, ...
GroupDraw::Random rising() {
    auto next = std::make_shared<int>(0);
    return [next] { return ++*next / 100.0; };
}

// Draws with rising keys; every test first checks that each fencer has exactly one place.
class GroupDrawTest : public ::testing::Test {
protected:
    void draw(const std::vector<int>& teams) {
        rows = roster(teams);
        result = GroupDraw::Draw(rows, schools(), rising());
        ASSERT_TRUE(result);
        std::set<int> numbers;
        for (const GroupSlot& slot : result->groupSlots) {
            numbers.insert(slot.fencerNumber);
        }
        EXPECT_EQ(numbers.size(), 24u);
        EXPECT_EQ(*numbers.begin(), 0);
        EXPECT_EQ(*numbers.rbegin(), 23);
    }

    int teamIn(int slot) const {
        return rows[static_cast<size_t>(result->groupSlots[static_cast<size_t>(slot)].fencerNumber)]
            .team;
    }

    std::vector<RosterRow> rows;
    std::optional<GroupDraw::Result> result;
};

TEST_F(GroupDrawTest, TwentyFourSchoolsFillPairsThenThirdPlacesBackwards) {
    std::vector<int> teams;
    for (int t = 23; t >= 0; --t) {
        teams.push_back(t);
    }
    ASSERT_NO_FATAL_FAILURE(draw(teams));
    // School order is key order here: positions 1..16 are schools 0..15, 17..24 are 16..23.
    for (int g = 0; g < 8; ++g) {
        EXPECT_EQ(teamIn(3 * g), 2 * g);
        EXPECT_EQ(teamIn(3 * g + 1), 2 * g + 1);
        EXPECT_EQ(teamIn(3 * g + 2), 23 - g);
    }
    EXPECT_EQ(result->groupSlots[0].caption, QStringLiteral("F23 L23 (S0)"));
    EXPECT_TRUE(result->warning().isEmpty());

    // Two schools that share an abbreviation at positions 17 and 18 are not teammates.
    std::vector<SchoolList::School> shared = schools().schools();
    shared[16].abbreviation = shared[17].abbreviation = QStringLiteral("SAME");
    const auto again = GroupDraw::Draw(rows, SchoolList(shared), rising());
    EXPECT_EQ(again->groupSlots[23].caption.right(6), QStringLiteral("(SAME)"));
    EXPECT_EQ(again->groupSlots[20].caption.right(6), QStringLiteral("(SAME)"));
    EXPECT_TRUE(again->warning().isEmpty());
}

TEST_F(GroupDrawTest, EightPairsEachShareAGroupWithASingleInThirdPlace) {
    std::vector<int> teams;
    for (int t = 0; t < 8; ++t) {
        teams.insert(teams.end(), {t, t});
    }
    for (int t = 10; t < 18; ++t) {
        teams.push_back(t);
    }
    ASSERT_NO_FATAL_FAILURE(draw(teams));
    for (int g = 0; g < 8; ++g) {
        EXPECT_EQ(teamIn(3 * g), teamIn(3 * g + 1));
        EXPECT_GE(teamIn(3 * g + 2), 10);
    }
    EXPECT_FALSE(result->moreThanEightPairs);
    EXPECT_TRUE(result->warning().isEmpty());
}

TEST_F(GroupDrawTest, NinthPairIsSplitOverGroupsSevenAndSixAndReported) {
    std::vector<int> teams;
    for (int t = 0; t < 9; ++t) {
        teams.insert(teams.end(), {t, t});
    }
    for (int t = 20; t < 26; ++t) {
        teams.push_back(t);
    }
    ASSERT_NO_FATAL_FAILURE(draw(teams));
    EXPECT_EQ(teamIn(23), teamIn(20));
    EXPECT_TRUE(result->moreThanEightPairs);
    ASSERT_EQ(result->splitTeams.size(), 1);
    EXPECT_TRUE(result->warning().startsWith(
        QStringLiteral("There are more than 8 pairs of teammates\nAccordingly, not all teammates "
                       "are in the same group.")));
    EXPECT_TRUE(result->warning().contains(QStringLiteral("(Group H)")));
    EXPECT_TRUE(result->warning().contains(QStringLiteral("(Group G)")));
}

TEST_F(GroupDrawTest, ThreeOfASchoolShareAWholeGroup) {
    std::vector<int> teams;
    for (int t = 0; t < 8; ++t) {
        teams.insert(teams.end(), {t, t, t});
    }
    ASSERT_NO_FATAL_FAILURE(draw(teams));
    for (int g = 0; g < 8; ++g) {
        EXPECT_EQ(teamIn(3 * g), teamIn(3 * g + 1));
        EXPECT_EQ(teamIn(3 * g), teamIn(3 * g + 2));
    }
    EXPECT_TRUE(result->warning().isEmpty());
}

TEST_F(GroupDrawTest, ATripleAPairAndTheFourthOfASchoolAreKeptAsFarAsPossible) {
    std::vector<int> teams = {5, 5, 5, 5, 6, 6, 6, 6, 6, 7, 7};  // four, five and a pair
    for (int t = 10; t < 23; ++t) {
        teams.push_back(t);
    }
    ASSERT_NO_FATAL_FAILURE(draw(teams));
    // Whole groups first, in key order: school 5 (key -0.01) then 6 (key -0.02 sorts first).
    EXPECT_EQ(teamIn(0), 6);
    EXPECT_EQ(teamIn(2), 6);
    EXPECT_EQ(teamIn(3), 5);
    EXPECT_EQ(teamIn(5), 5);
    // The pairs left over (school 6's last two, school 7) share places 0 and 1 of a group.
    std::set<int> pairedTeams;
    for (int g = 2; g < 8; ++g) {
        if (teamIn(3 * g) == teamIn(3 * g + 1)) {
            pairedTeams.insert(teamIn(3 * g));
        }
    }
    EXPECT_EQ(pairedTeams, std::set<int>({6, 7}));
    EXPECT_FALSE(result->moreThanEightPairs);
    EXPECT_EQ(result->splitTeams.size(), 2);  // school 6's five, and school 5's fourth
    EXPECT_TRUE(result->warning().startsWith(
        QStringLiteral("Not all teammates are in the same group.\n\nS5: ")));
}

TEST_F(GroupDrawTest, AnyRowWithoutSchoolStopsTheDraw) {
    std::vector<int> teams(24, 1);
    teams[17] = -1;
    EXPECT_FALSE(GroupDraw::Draw(roster(teams), schools(), rising()));
    EXPECT_FALSE(GroupDraw::Draw(roster(std::vector<int>(20, 1)), schools(), rising()));
}

TEST(GroupSlotsTest, PickUnpickAndSwap) {
    GroupSlotArray filled;
    for (int k = 0; k < 24; ++k) {
        filled[static_cast<size_t>(k)] = {QStringLiteral("N%1").arg(k), k};
    }
    GroupSlots picker;
    picker.fill(filled);
    EXPECT_EQ(picker.click(4), GroupSlots::Click::Picked);
    EXPECT_EQ(picker.click(4), GroupSlots::Click::Unpicked);
    EXPECT_EQ(picker.selected(), -1);
    picker.click(4);
    EXPECT_EQ(picker.click(9), GroupSlots::Click::AskSwap);
    EXPECT_EQ(picker.swapQuestion(9), QStringLiteral("Swap N9 and N4?"));
    EXPECT_EQ(picker.selected(), 4);  // still picked until the answer
    picker.swapWithSelected(9);
    EXPECT_EQ(picker.slot(4).fencerNumber, 9);
    EXPECT_EQ(picker.slot(9).caption, QStringLiteral("N4"));
    EXPECT_EQ(picker.selected(), -1);
}

TEST(GroupStoreTest, SavedSlotsComeBackInTheirPlaces) {
    TempChampionship file;
    ChampionshipBuilder(file).drawFullEvent(3);
    file.exec("UPDATE Roster SET \"Group\" = 99, Subgroup = 99 WHERE FencerNumber = 5");
    GroupStore store(file.db());
    GroupStore::Loaded loaded = Value(store.load(3));
    EXPECT_EQ(loaded.drawn, 23);
    EXPECT_EQ(loaded.groupSlots[5].fencerNumber, -1);
    EXPECT_EQ(loaded.groupSlots[4].caption,
              QStringLiteral("First4 Last4 (%1)")
                  .arg(file.text("SELECT Abbreviation FROM Teams WHERE Team = 4")));

    GroupSlotArray swapped;
    for (int k = 0; k < 24; ++k) {
        swapped[static_cast<size_t>(k)].fencerNumber = 23 - k;
    }
    ASSERT_TRUE(store.save(3, swapped).ok());
    EXPECT_EQ(Value(store.load(3)).drawn, 24);
    EXPECT_EQ(Value(store.groupNames()).first(), QStringLiteral("Group A"));
    EXPECT_EQ(Value(store.groupNames()).last(), QStringLiteral("Group H"));
    EXPECT_EQ(
        file.count(
            "SELECT \"Group\" * 10 + Subgroup FROM Roster WHERE Weapon = 3 AND FencerNumber = 0"),
        72);
    EXPECT_EQ(file.count("SELECT COUNT(*) FROM Roster WHERE Weapon <> 3"), 0);
}

}  // namespace
