#include "entry/EntryMoves.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using D = EntryMoves::Direction;
const auto all = [](int) { return true; };

TEST(EntryMovesTest, PoolStepsSkipTheDiagonalAndWrap) {
    EXPECT_EQ(EntryMoves::PoolStep(1, D::Right), 2);
    EXPECT_EQ(EntryMoves::PoolStep(10, D::Right), 12);
    EXPECT_EQ(EntryMoves::PoolStep(5, D::Right), 10);
    EXPECT_EQ(EntryMoves::PoolStep(45, D::Right), 50);
    EXPECT_EQ(EntryMoves::PoolStep(54, D::Right), 1);
    EXPECT_EQ(EntryMoves::PoolStep(1, D::Left), 54);
    EXPECT_EQ(EntryMoves::PoolStep(10, D::Left), 5);
    EXPECT_EQ(EntryMoves::PoolStep(12, D::Left), 10);
    EXPECT_EQ(EntryMoves::PoolStep(20, D::Left), 15);
    EXPECT_EQ(EntryMoves::PoolStep(21, D::Up), 1);
    EXPECT_EQ(EntryMoves::PoolStep(10, D::Up), -1);
    EXPECT_EQ(EntryMoves::PoolStep(3, D::Up), -1);
    EXPECT_EQ(EntryMoves::PoolStep(1, D::Down), 21);
    EXPECT_EQ(EntryMoves::PoolStep(45, D::Down), -1);
    EXPECT_EQ(EntryMoves::PoolStep(50, D::Down), -1);
}

TEST(EntryMovesTest, RightVisitsEveryBoutCellOnceAndLeftRetracesIt) {
    std::set<int> seen;
    int cell = 1;
    for (int i = 0; i < 30; ++i) {
        EXPECT_NE(cell / 10, cell % 10);
        seen.insert(cell);
        const int next = EntryMoves::PoolStep(cell, D::Right);
        EXPECT_EQ(EntryMoves::PoolStep(next, D::Left), cell);
        cell = next;
    }
    EXPECT_EQ(cell, 1);
    EXPECT_EQ(seen.size(), 30u);
}

TEST(EntryMovesTest, PoolMovesPassOverDisabledCellsOrStay) {
    // Place 2 excluded: its row and column cannot be typed.
    const auto typed = [](int cell) { return cell / 10 != 2 && cell % 10 != 2; };
    EXPECT_EQ(EntryMoves::PoolMove(1, D::Right, typed), 3);
    EXPECT_EQ(EntryMoves::PoolMove(15, D::Right, typed), 30);
    EXPECT_EQ(EntryMoves::PoolMove(30, D::Left, typed), 15);
    EXPECT_EQ(EntryMoves::PoolMove(12, D::Down, all), 32);
    EXPECT_EQ(EntryMoves::PoolMove(10, D::Down, typed), 30);
    EXPECT_EQ(EntryMoves::PoolMove(50, D::Up, typed), 40);
    EXPECT_EQ(EntryMoves::PoolMove(1, D::Right, [](int c) { return c == 1; }), 1);
    EXPECT_EQ(EntryMoves::PoolMove(40, D::Down, [](int c) { return c < 50; }), 40);
}

TEST(EntryMovesTest, DualMovesSkipDisabledBoxesAndStopAtTheEnds) {
    // Position 2 excluded: boxes 0, 4 and 8 are disabled.
    const auto typed = [](int box) { return box != 0 && box != 4 && box != 8; };
    EXPECT_EQ(EntryMoves::DualMove(7, 1, typed), 7);
    EXPECT_EQ(EntryMoves::DualMove(3, 1, typed), 5);
    EXPECT_EQ(EntryMoves::DualMove(1, -1, typed), 1);
    EXPECT_EQ(EntryMoves::DualMove(1, 3, typed), 7);
    EXPECT_EQ(EntryMoves::DualMove(5, 3, all), 8);
    EXPECT_EQ(EntryMoves::DualMove(6, 3, all), 6);
    EXPECT_EQ(EntryMoves::DualMove(2, -3, all), 2);
    EXPECT_EQ(EntryMoves::DualMove(8, -3, typed), 5);
}

}  // namespace
