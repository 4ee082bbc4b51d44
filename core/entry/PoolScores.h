#pragma once

#include "entry/ScoreRules.h"

#include <QString>
#include <array>
#include <optional>
#include <utility>

// Totals of one place in a pool.
struct PoolTotals final {
    int victories = 0;
    int touchesScored = 0;
    int touchesReceived = 0;
    int indicator() const { return touchesScored - touchesReceived; }
};

// The marks of a pool of six: cell (r, c) holds the mark of the fencer at place r in the
// bout against place c.
class PoolScores final {
public:
    static constexpr int kPlaces = 6;

    const QString& mark(int row, int column) const { return m_marks[row][column]; }
    void setMark(int row, int column, const QString& mark) { m_marks[row][column] = mark; }
    // The bout between two places, seen from `row`.
    ScoreRules::Read bout(int row, int column) const;
    // The first pair of places (lower first) whose marks cannot be read, examined in
    // order; only places whose bouts are entered count.
    std::optional<std::pair<int, int>> firstInvalidBout(const std::array<bool, 6>& entered) const;
    // Victories and touches per place; unreadable bouts count as not fenced.
    std::array<PoolTotals, 6> totals() const;

private:
    std::array<std::array<QString, kPlaces>, kPlaces> m_marks;
};
