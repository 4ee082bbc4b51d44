#include "standings/SeedingTable.h"

#include "standings/SeedingOrder.h"

#include <vector>

Status SeedingTable::Load(const Database& db, int event) {
    m_rows.fill(std::nullopt);
    std::vector<SeedingRow> order;
    const Status read = SeedingOrder(db, event, order);
    for (size_t i = 0; i < order.size() && i < m_rows.size(); ++i) {
        m_rows[i] = std::move(order[i]);
    }
    return read;
}

int SeedingTable::Move(int row, int direction) {
    const int target = row + direction;
    if (row < 0 || row >= kRows || target < 0 || target >= kRows) {
        return row;
    }
    std::swap(m_rows[static_cast<size_t>(row)], m_rows[static_cast<size_t>(target)]);
    return target;
}

std::optional<FinalFourSeeding::Seeds> SeedingTable::Seeds() const {
    FinalFourSeeding::Seeds seeds{};
    for (size_t i = 0; i < seeds.size(); ++i) {
        if (!m_rows[i]) {
            return std::nullopt;
        }
        seeds[i] = m_rows[i]->FencerNumber;
    }
    return seeds;
}
