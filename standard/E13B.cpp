#include "standard/E13B.h"

#include <algorithm>
#include <cmath>
#include <limits>

int NearestPosition(double rightEdge, double x)
{
    return int(std::lround((rightEdge - x - FirstPositionRightInches) / PositionPitchInches)) + 1;
}

std::vector<int> OrderedPositions(const std::vector<double> &cells)
{
    const int n = int(cells.size());
    if (n == 0)
        return {};
    const auto [low, high] = std::minmax_element(cells.begin(), cells.end());
    const int lowest = int(std::floor(*low)) - n;
    const int span = int(std::ceil(*high)) + n - lowest + 1;
    constexpr double Far = 1e300;
    // cost[i][p]: the best for characters i..n-1 with character i at p.
    std::vector<std::vector<double>> cost(std::size_t(n), std::vector<double>(std::size_t(span), Far));
    // The last character stays in the position nearest it: where the line
    // stands is told by where it ends.
    const int last = int(std::lround(cells.back())) - lowest;
    cost[std::size_t(n - 1)][std::size_t(last)] = std::pow(lowest + last - cells.back(), 2);
    for (int i = n - 2; i >= 0; --i) {
        double best = Far; // the best of character i+1 below p
        for (int p = 0; p < span; ++p) {
            if (p > 0)
                best = std::min(best, cost[std::size_t(i) + 1][std::size_t(p) - 1]);
            if (best < Far)
                cost[std::size_t(i)][std::size_t(p)] = best + std::pow(lowest + p - cells[std::size_t(i)], 2);
        }
    }
    std::vector<int> positions(static_cast<std::size_t>(n));
    int above = span;
    for (int i = 0; i < n; ++i) {
        int bestAt = 0;
        for (int p = 0; p < above; ++p) {
            if (cost[std::size_t(i)][std::size_t(p)] < cost[std::size_t(i)][std::size_t(bestAt)])
                bestAt = p;
        }
        positions[std::size_t(i)] = lowest + bestAt;
        above = bestAt;
    }
    return positions;
}
