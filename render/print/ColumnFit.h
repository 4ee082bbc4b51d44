#pragma once

#include <vector>

// Shares the width of a page among the columns of a grid sheet.
namespace ColumnFit {

// Widths from `least` (what each column is given at the least) towards `wanted` (what its
// longest text needs) within `room` in all. When the room is short, the columns that want
// little more get it first and the rest share what is left evenly, so one long name does not
// squeeze its neighbours. When even the least widths exceed the room, they are kept.
std::vector<double> Fit(const std::vector<double>& least, const std::vector<double>& wanted,
                        double room);

}  // namespace ColumnFit
