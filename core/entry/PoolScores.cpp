#include "entry/PoolScores.h"

ScoreRules::Read PoolScores::bout(int row, int column) const {
    return ScoreRules::ReadMarks(m_marks[row][column], m_marks[column][row]);
}

std::optional<std::pair<int, int>> PoolScores::firstInvalidBout(
    const std::array<bool, 6>& entered) const {
    for (int i = 0; i < kPlaces; ++i) {
        for (int j = i + 1; j < kPlaces; ++j) {
            if (entered[i] && entered[j] && bout(i, j).reading == ScoreRules::Reading::Invalid) {
                return std::make_pair(i, j);
            }
        }
    }
    return std::nullopt;
}

std::array<PoolTotals, 6> PoolScores::totals() const {
    std::array<PoolTotals, 6> totals{};
    for (int r = 0; r < kPlaces; ++r) {
        for (int c = 0; c < kPlaces; ++c) {
            const ScoreRules::Read read = r == c ? ScoreRules::Read{} : bout(r, c);
            if (read.reading != ScoreRules::Reading::Result) {
                continue;
            }
            PoolTotals& t = totals[static_cast<size_t>(r)];
            t.victories += read.score.leftWins ? 1 : 0;
            t.touchesScored += read.score.leftTouches;
            t.touchesReceived += read.score.rightTouches;
        }
    }
    return totals;
}
