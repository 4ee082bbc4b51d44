#include "print/ColumnFit.h"

#include <algorithm>
#include <numeric>

namespace ColumnFit {

std::vector<double> Fit(const std::vector<double>& least, const std::vector<double>& wanted,
                        double room) {
    std::vector<double> widths = least;
    std::vector<double> growth(least.size(), 0.0);
    for (std::size_t c = 0; c < least.size(); ++c) {
        growth[c] = std::max(0.0, wanted[c] - least[c]);
    }
    double spare = room - std::accumulate(least.begin(), least.end(), 0.0);
    if (spare <= 0) {
        return widths;
    }
    std::vector<std::size_t> order(least.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return growth[a] < growth[b]; });
    // Each column in turn takes its growth or its even share of what is still spare.
    for (std::size_t i = 0; i < order.size(); ++i) {
        const double share = spare / static_cast<double>(order.size() - i);
        const double taken = std::min(growth[order[i]], share);
        widths[order[i]] += taken;
        spare -= taken;
    }
    return widths;
}

}  // namespace ColumnFit
