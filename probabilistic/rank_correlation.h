// Spearman rank correlation: the Pearson correlation of the ranks, tied
// values sharing the average of their ranks.
//
// A pair with a member that is not finite (a failed run's result) is left
// out. Fewer than two pairs, or a side whose ranks are all equal (an input
// held at one value, a constant result), give not a number.
#pragma once

#include <span>
#include <vector>

namespace lumo::prob {

// Ranks 1 .. n, ties given the average of the ranks they span.
std::vector<double> AverageRanks(std::span<const double> values);

double SpearmanCorrelation(std::span<const double> x, std::span<const double> y);

}  // namespace lumo::prob
